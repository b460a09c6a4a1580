#include "instruments/InstrumentCatalog.h"

#include <fstream>
#include <sstream>

#include "harmony/CatalogLineReader.h"
#include "text/ReadTokens.h"

bool CInstrumentCatalog::Load(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    Read(in);
    return true;
}

void CInstrumentCatalog::ReadText(std::string_view text)
{
    std::istringstream in{std::string(text)};
    Read(in);
}

// Stops at the end marker, at the end of the input or when the table is
// full; only the entries read take part in the menu and the look-ups.
void CInstrumentCatalog::Read(std::istream& in)
{
    entries_.fill(InstrumentEntry{});
    count_ = 0;
    CatalogLineReader reader(in);
    std::string line;
    while (count_ < kCapacity && reader.ReadDataLine(line)) {
        TrimLineEnd(line);
        std::size_t cursor = 0;
        InstrumentEntry& entry = entries_[static_cast<std::size_t>(count_++)];
        entry.name = ReadToken(line, cursor).substr(0, kNameLimit);
        if (entry.name.starts_with('@'))
            return;
        entry.text = line.substr(cursor);
    }
}

bool CInstrumentCatalog::IsEnd(int index) const
{
    return !Valid(index) || entries_[static_cast<std::size_t>(index)].name.starts_with('@');
}

MenuPtr CInstrumentCatalog::BuildMenu() const
{
    int position = 0;
    return BuildMenu(position);
}

// position is shared by every level: a group's submenu consumes its entries
// up to and including its "endgroup"; -1 once the catalogue is exhausted.
MenuPtr CInstrumentCatalog::BuildMenu(int& position) const
{
    MenuPtr menu = CMenu::Create();
    while (!IsEnd(position)) {
        const InstrumentEntry& entry = entries_[static_cast<std::size_t>(position)];
        ++position;
        if (entry.name == "endgroup")
            return menu;
        if (entry.name == "group")
            menu->AppendPopup(entry.text, BuildMenu(position));
        else if (entry.name.starts_with('-'))
            menu->AppendSeparator();
        else
            menu->AppendCommand(entry.name, kCommandBase + position - 1);
    }
    return menu;
}

const std::string& CInstrumentCatalog::NameOf(int index) const
{
    static const std::string none;
    return Valid(index) ? entries_[static_cast<std::size_t>(index)].name : none;
}

const std::string& CInstrumentCatalog::TextOf(int index) const
{
    static const std::string none;
    return Valid(index) ? entries_[static_cast<std::size_t>(index)].text : none;
}

// The nearest group line above the entry decides, unless its caption is not
// a kind word: then the group enclosing it is looked for further up.
InstrumentKind CInstrumentCatalog::KindOf(int index) const
{
    if (!Valid(index))
        return kNoInstrument;
    for (int i = index; i >= 0; --i) {
        const InstrumentEntry& entry = entries_[static_cast<std::size_t>(i)];
        if (entry.name != "group")
            continue;
        if (InstrumentKind kind = KindOfGroupWord(entry.text); kind != kNoInstrument)
            return kind;
    }
    return kNoInstrument;
}

bool CInstrumentCatalog::IsInstrument(int index) const
{
    if (IsEnd(index))
        return false;
    const std::string& name = entries_[static_cast<std::size_t>(index)].name;
    return name != "group" && name != "endgroup" && !name.starts_with('-');
}

int CInstrumentCatalog::FindInstrument(std::string_view name) const
{
    for (int i = 0; i < count_; ++i)
        if (IsInstrument(i) && entries_[static_cast<std::size_t>(i)].name == name)
            return i;
    return -1;
}
