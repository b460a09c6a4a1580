#pragma once
// "HISTORY.USE": the History box entries kept between runs, oldest first,
// after a fixed comment header.
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

class CHistoryFile {
public:
    static constexpr const char* kFileName = "HISTORY.USE";
    // Longer lines are dropped whole: a cut entry would replay a wrong chord.
    static constexpr std::size_t kLineLimit = 1023;

    explicit CHistoryFile(std::filesystem::path file) : file_(std::move(file)) {}

    // Replaces the entries with the file's; a missing file keeps them.
    bool Load();
    // Writes the header and the entries to a temporary file that then
    // replaces the old one, so a failure never loses the previous history.
    // `reason`, when given, says why it could not be written.
    bool Save(std::string* reason = nullptr) const;

    void Read(std::istream& in);
    void Write(std::ostream& out) const;

    std::vector<std::string> entries;

private:
    std::filesystem::path file_;
};
