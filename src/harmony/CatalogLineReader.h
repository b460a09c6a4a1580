#pragma once
// Reads a catalogue file the way its format defines lines: at most 127
// characters at a time (a longer physical line arrives as several lines), a
// CR LF pair read as LF, and comment (';') and empty lines skipped.
#include <cstddef>
#include <istream>
#include <string>

class CatalogLineReader {
public:
    static constexpr std::size_t kPieceLimit = 127;

    explicit CatalogLineReader(std::istream& in) : in_(in) {}

    // The next piece of at most kPieceLimit characters, its LF included when
    // it ends the line. Text after an embedded NUL is dropped, as a C string
    // buffer would. False at the end of the input.
    bool ReadPiece(std::string& piece);

    // The next line that is not empty and not a comment. False at the end.
    bool ReadDataLine(std::string& line);

private:
    bool ReadChar(char& c);

    std::istream& in_;
};

// Removes up to two trailing CR or LF characters.
void TrimLineEnd(std::string& line);
