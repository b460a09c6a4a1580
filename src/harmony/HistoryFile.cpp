#include "harmony/HistoryFile.h"

#include <fstream>
#include <sstream>

#include "harmony/CatalogLineReader.h"
#include "text/TextFile.h"

namespace {

constexpr const char* kHeader[] = {
    ";;; -*- File: History.use; Mode: text; Version: 2.1 beta -*- ;;;",
    ";",
    "; Morvix Music Reference",
    "; Copyright (c) Pelorin Enterprises. All rights reserved.",
    ";",
    "; Generated on application exit for startup model history.",
    ";",
    "",
};

bool IsEntry(const std::string& line)
{
    if (line.empty())
        return false;
    char first = line.front();
    return first != '\t' && first != '\n' && first != '\r' && first != ' ' && first != ';';
}

} // namespace

bool CHistoryFile::Load()
{
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return false;
    Read(in);
    return true;
}

void CHistoryFile::Read(std::istream& in)
{
    entries.clear();
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('\0'));
        TrimLineEnd(line);
        if (line.size() <= kLineLimit && IsEntry(line))
            entries.push_back(line);
    }
}

void CHistoryFile::Write(std::ostream& out) const
{
    for (const char* line : kHeader)
        out << line << '\n';
    for (const std::string& entry : entries)
        out << entry << '\n';
}

bool CHistoryFile::Save(std::string* reason) const
{
    std::ostringstream text;
    Write(text);
    return WriteWholeFile(file_.string(), text.str(), reason);
}
