#include "app/StartupLayout.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "text/ReadTokens.h"
#include "text/TextFile.h"

namespace {

const char* const kHeader[] = {
    ";;; -*- File: Layout.use; Mode: text; Version: 2.1 beta -*- ;;;",
    ";",
    "; Morvix Music Reference",
    "; Copyright (c) Pelorin Enterprises. All rights reserved.",
    ";",
    "; Generated on application exit for ordered document startup.",
    ";",
    "",
};

bool IsSkipped(const std::string& line)
{
    return line.empty() || line[0] == ' ' || line[0] == '\t' || line[0] == '\r' || line[0] == '\n' ||
           line[0] == ';' || line[0] == '\0';
}

// A name with a blank is written in double quotes, a quote or backslash in
// it after a backslash; any other name is written as it is, as always.
std::string QuotedName(const std::string& name)
{
    bool plain = !name.empty() && name.front() != '"' &&
                 std::none_of(name.begin(), name.end(), [](char c) { return IsBlank(c); });
    if (plain)
        return name;
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// The quoted name at the start of line, up to its closing quote (or the
// end of the line), the cursor left after it and its blanks.
std::string ReadQuotedName(const std::string& line, std::size_t& cursor)
{
    std::string name;
    std::size_t at = 1;
    for (; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && at + 1 < line.size())
            ++at;
        name += line[at];
    }
    cursor = SkipBlanks(line, std::min(at + 1, line.size()));
    return name;
}

LayoutEntry ParseLine(const std::string& line)
{
    LayoutEntry entry;
    std::size_t cursor = 0;
    entry.name = line.front() == '"' ? ReadQuotedName(line, cursor) : ReadToken(line, cursor);
    entry.kind = ReadInt(line, cursor);
    entry.catalogueIndex = ReadInt(line, cursor);
    entry.order = ReadInt(line, cursor);
    // The state is the rest of the line from the blank before it.
    std::size_t start = std::min(cursor, line.size());
    if (start > 0 && IsBlank(line[start - 1]))
        --start;
    entry.state = line.substr(start);
    return entry;
}

} // namespace

void CStartupLayout::Reset()
{
    entries_.clear();
    order_.fill(-1);
}

bool CStartupLayout::Add(const LayoutEntry& entry)
{
    if (static_cast<int>(entries_.size()) >= kCapacity)
        return false;
    entries_.push_back(entry);
    return true;
}

std::vector<int> CStartupLayout::WritingOrder() const
{
    std::vector<int> order;
    int count = static_cast<int>(entries_.size());
    for (int kind : {kTextKind, kMidiKind})
        for (int i = 0; i < count; ++i)
            if (entries_[i].kind == kind)
                order.push_back(i);
    for (int m = 0; m < count; ++m) {
        if (entries_[m].kind != 1)
            continue;
        order.push_back(m);
        for (int i = 0; i < count; ++i)
            if (entries_[i].kind >= 2 && entries_[i].ownerSerial > 0 && entries_[i].ownerSerial == entries_[m].serial)
                order.push_back(i);
    }
    return order;
}

void CStartupLayout::Write(std::ostream& out) const
{
    for (const char* line : kHeader)
        out << line << '\n';
    for (int index : WritingOrder()) {
        const LayoutEntry& entry = entries_[static_cast<std::size_t>(index)];
        out << QuotedName(entry.name) << ' ' << entry.kind << ' ' << entry.catalogueIndex << ' ' << index << ' ' << entry.state
            << '\n';
    }
}

bool CStartupLayout::Save(const std::string& path, std::string* reason) const
{
    std::ostringstream text;
    Write(text);
    return WriteWholeFile(path, text.str(), reason);
}

bool CStartupLayout::Load(const std::string& path)
{
    Reset();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    Read(in);
    return true;
}

void CStartupLayout::Read(std::istream& in)
{
    Reset();
    std::string line;
    while (static_cast<int>(entries_.size()) < kCapacity && std::getline(in, line)) {
        if (line.size() > kLineLimit)
            line.resize(kLineLimit);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        if (!IsSkipped(line))
            entries_.push_back(ParseLine(line));
    }
}
