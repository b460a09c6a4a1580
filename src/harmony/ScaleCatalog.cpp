#include "harmony/ScaleCatalog.h"

#include <fstream>
#include <sstream>

#include "harmony/CatalogLineReader.h"
#include "harmony/DegreeSpelling.h"
#include "text/ReadTokens.h"

bool CScaleCatalog::Load(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    Read(in);
    return true;
}

void CScaleCatalog::ReadText(std::string_view text)
{
    std::istringstream in{std::string(text)};
    Read(in);
}

void CScaleCatalog::Read(std::istream& in)
{
    records_.fill(ScaleRecord{});
    freeIndex_ = 0;
    CatalogLineReader reader(in);
    while (!ReadNode(reader, 0, -1)) {
    }
    topCount_ = 0;
    for (const auto& record : records_)
        if (record.depth == 0)
            ++topCount_;
}

// Reads one node and, for a group, its children. True when the catalogue
// ends: at its terminator line, at the end of the input (taken as an implied
// terminator) or when the table is full.
bool CScaleCatalog::ReadNode(CatalogLineReader& reader, int depth, int parent)
{
    if (!Valid(freeIndex_))
        return true;
    int index = freeIndex_++;
    ScaleRecord& record = records_[static_cast<std::size_t>(index)];
    record = ScaleRecord{};
    std::string line;
    if (!reader.ReadDataLine(line)) {
        record.name.assign(1, '@');  // assign(const char*) trips a false -Wrestrict in GCC 12
        return true;
    }
    std::size_t cursor = 0;
    record.name = ReadToken(line, cursor).substr(0, kNameLimit);
    if (record.name.starts_with('@'))
        return true;
    record.depth = depth;
    record.parent = parent;
    record.childCount = ReadInt(line, cursor);
    if (record.childCount >= 2) {
        for (int i = 0; i < record.childCount; ++i)
            if (ReadNode(reader, depth + 1, index))
                return true;
        return false;
    }
    if (!reader.ReadDataLine(line))
        return true;
    cursor = 0;
    for (int& step : record.steps) {
        step = ReadInt(line, cursor);
        if (step <= 0) {
            // What follows the closing value is the scale's spelling, which
            // readers that stop at that value never see.
            record.spelling = ReadDegreeSpelling(std::string_view(line).substr(cursor), record.steps);
            break;
        }
    }
    return false;
}

MenuPtr CScaleCatalog::BuildMenu() const
{
    return BuildMenu(0, topCount_);
}

MenuPtr CScaleCatalog::BuildMenu(int first, int count) const
{
    MenuPtr menu = CMenu::Create();
    int b = first;
    for (int i = 0; i < count && Valid(b) && records_[b].depth >= 0; ++i) {
        const ScaleRecord& record = records_[b];
        if (record.childCount == 1)
            menu->AppendCommand(record.name, kCommandBase + b);
        else
            menu->AppendPopup(record.name, BuildMenu(b + 1, record.childCount));
        b = NextSibling(b);
        if (Valid(b) && records_[b].name == "@")
            break;
    }
    return menu;
}

const ScaleRecord& CScaleCatalog::Record(int index) const
{
    static const ScaleRecord cleared{};
    return Valid(index) ? records_[index] : cleared;
}

std::string CScaleCatalog::GetNodeName(int index) const
{
    return Record(index).name;
}

std::string CScaleCatalog::GetFullName(int index) const
{
    if (!Valid(index))
        return {};
    std::string full = records_[index].name;
    for (int parent = GetParent(index); parent >= 0; parent = GetParent(parent))
        full += " " + records_[parent].name;
    return full;
}

int CScaleCatalog::FindByFullName(std::string_view text) const
{
    // The end is checked first so that an unread (nameless) record never
    // matches an empty name.
    for (int i = 0; i < kCapacity; ++i) {
        if (records_[i].name == "@" || records_[i].name.empty())
            return -1;
        if (GetFullName(i) == text)
            return i;
    }
    return -1;
}

int CScaleCatalog::GetStep(int index, int k) const
{
    if (k < 0 || k >= 13)
        return 0;
    return Record(index).steps[static_cast<std::size_t>(k)];
}

int CScaleCatalog::GetChildCount(int index) const
{
    return Record(index).childCount;
}

// Kept while reading: in pre-order it is the nearest preceding record of a
// smaller depth, found without a search.
int CScaleCatalog::GetParent(int index) const
{
    return Valid(index) ? records_[index].parent : -1;
}

int CScaleCatalog::NextSibling(int index) const
{
    if (!Valid(index))
        return -1;
    int r = index + 1 < kCapacity ? index + 1 : -1;
    int children = records_[index].childCount;
    if (children > 1)
        for (int i = 0; i < children && Valid(r); ++i)
            r = NextSibling(r);
    return r;
}
