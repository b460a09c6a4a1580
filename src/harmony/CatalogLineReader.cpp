#include "harmony/CatalogLineReader.h"

bool CatalogLineReader::ReadChar(char& c)
{
    if (!in_.get(c))
        return false;
    if (c == '\r' && in_.peek() == '\n')
        in_.get(c);
    return true;
}

bool CatalogLineReader::ReadPiece(std::string& piece)
{
    piece.clear();
    char c = '\0';
    while (piece.size() < kPieceLimit && ReadChar(c)) {
        piece += c;
        if (c == '\n')
            break;
    }
    if (piece.empty())
        return false;
    std::size_t nul = piece.find('\0');
    if (nul != std::string::npos)
        piece.resize(nul);
    return true;
}

bool CatalogLineReader::ReadDataLine(std::string& line)
{
    while (ReadPiece(line)) {
        if (line.empty())
            continue;
        char first = line.front();
        if (first != '\n' && first != '\r' && first != ';')
            return true;
    }
    return false;
}

void TrimLineEnd(std::string& line)
{
    for (int i = 0; i < 2 && !line.empty() && (line.back() == '\r' || line.back() == '\n'); ++i)
        line.pop_back();
}
