#include "harmony/ChordCatalog.h"

#include <fstream>
#include <sstream>

#include "harmony/CatalogLineReader.h"
#include "text/ReadTokens.h"

namespace {

const std::string& EmptyText()
{
    static const std::string empty;
    return empty;
}

// Walks the table once, handing out each group's items. Groups do not nest:
// a submenu ends at the next "group" line, which the root then takes.
class ChordMenuBuilder {
public:
    ChordMenuBuilder(const CChordCatalog& catalog) : catalog_(catalog) {}

    MenuPtr Build(int entry)
    {
        MenuPtr menu = CMenu::Create();
        finished_ = finished_ || AtEnd();
        while (!finished_) {
            int i = position_;
            if (catalog_.GetKey(i) != "group") {
                menu->AppendCommand(catalog_.GetKey(i), CChordCatalog::kCommandBase + i);
                ++position_;
                finished_ = AtEnd();
                continue;
            }
            if (entry != 0)
                return menu;
            ++position_;
            MenuPtr submenu = Build(i + 1);
            menu->AppendPopup(catalog_.GetText(i), submenu);
        }
        return menu;
    }

private:
    // Any terminator word ends the menu, just as it ends the reader.
    bool AtEnd() const
    {
        return position_ >= catalog_.Count() || catalog_.GetKey(position_).starts_with('@');
    }

    const CChordCatalog& catalog_;
    int position_ = 0;
    bool finished_ = false;
};

} // namespace

bool CChordCatalog::Load(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    Read(in);
    return true;
}

void CChordCatalog::ReadText(std::string_view text)
{
    std::istringstream in{std::string(text)};
    Read(in);
}

void CChordCatalog::Read(std::istream& in)
{
    records_.fill(ChordRecord{});
    count_ = 0;
    CatalogLineReader reader(in);
    std::string line;
    while (count_ < kCapacity) {
        ChordRecord& record = records_[static_cast<std::size_t>(count_++)];
        if (!reader.ReadDataLine(line)) {
            record.key.assign(1, '@');  // assign(const char*) trips a false -Wrestrict in GCC 12
            return;
        }
        TrimLineEnd(line);
        std::size_t cursor = 0;
        record.key = ReadToken(line, cursor);
        if (record.key.starts_with('@'))
            return;
        record.text = line.substr(cursor);
    }
}

MenuPtr CChordCatalog::BuildMenu() const
{
    ChordMenuBuilder builder(*this);
    return builder.Build(0);
}

const std::string& CChordCatalog::GetKey(int index) const
{
    return Valid(index) ? records_[index].key : EmptyText();
}

const std::string& CChordCatalog::GetText(int index) const
{
    return Valid(index) ? records_[index].text : EmptyText();
}

bool CChordCatalog::IsChord(int index) const
{
    const std::string& key = GetKey(index);
    return !key.empty() && key != "group" && !key.starts_with('@');
}

std::string CChordCatalog::ShownName(int index) const
{
    if (GetGroup(index) == "interval")
        return GetText(index);
    return GetText(index) + " " + GetKey(index);
}

int CChordCatalog::FindShown(std::string_view shown) const
{
    bool interval = false;
    for (int i = 1; i < kCapacity; ++i) {
        const ChordRecord& record = records_[i];
        if (record.key == "group")
            interval = record.text == "interval";
        if (!IsChord(i) || !shown.starts_with(record.text))
            continue;
        std::string_view rest = shown.substr(record.text.size());
        if (interval ? rest.empty() : rest.size() == record.key.size() + 1 && rest[0] == ' ' && rest.ends_with(record.key))
            return i;
    }
    return 0;
}

std::string CChordCatalog::GetGroup(int index) const
{
    if (!Valid(index))
        return {};
    if (index == 0)
        return "none";
    for (int i = index; i >= 0; --i)
        if (records_[i].key == "group")
            return records_[i].text;
    return "none";
}
