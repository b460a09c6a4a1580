#include "cli/ModelOptions.h"

#include <cctype>
#include <charconv>
#include <ostream>
#include <string_view>

#include "cli/Catalogues.h"
#include "harmony/Keys.h"
#include "harmony/ModelState.h"

namespace {

// The chord record with that index; -1 when the text is not a number or
// names a group line or no record.
int ChordByRecord(const CChordCatalog& chords, std::string_view text)
{
    int index = -1;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size())
        return -1;
    return chords.IsChord(index) ? index : -1;
}

int ChordByName(const CChordCatalog& chords, std::string_view name)
{
    for (int i = 0; i < chords.Count(); ++i)
        if (chords.GetKey(i) == name && chords.IsChord(i))
            return i;
    return -1;
}

// "#N" is record N; a bare number is a record too, as it always was, so a
// chord whose name is a number is reached with --chord-name.
int FindChord(const CChordCatalog& chords, const ModelOptions& options)
{
    if (options.chordName)
        return ChordByName(chords, *options.chordName);
    std::string_view text = *options.chord;
    if (text.starts_with('#'))
        return ChordByRecord(chords, text.substr(1));
    int index = ChordByRecord(chords, text);
    return index >= 0 ? index : ChordByName(chords, text);
}

// The key of the Key menu spelled so in any letter case ("bb" is Bb).
const KeyCommand* FindMenuKey(std::string_view name)
{
    auto lower = [](std::string_view text) {
        std::string folded(text);
        for (char& c : folded)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return folded;
    };
    for (const KeyCommand& key : kKeyCommands)
        if (lower(key.name) == lower(name))
            return &key;
    return nullptr;
}

std::string MenuKeyNames()
{
    std::string names;
    for (const KeyCommand& key : kKeyCommands)
        names += (names.empty() ? "" : " ") + std::string(key.name);
    return names;
}

} // namespace

bool ModelOptions::Take(const SubcommandArgs& args, std::size_t& i, std::string& problem)
{
    const std::string& word = args[i];
    std::optional<std::string>* target = word == "--key"        ? &key
                                         : word == "--scale"    ? &scale
                                         : word == "--chord"    ? &chord
                                         : word == "--chord-name" ? &chordName
                                         : word == "--notation" ? &notation
                                         : word == "--chord-tones" ? &chordTones
                                                                : nullptr;
    if (!target)
        return false;
    if (i + 1 >= args.size()) {
        problem = MissingValue(word);
        return false;
    }
    *target = args[i + 1];
    i += 2;
    if (chord && chordName)
        problem = "--chord and --chord-name cannot both be given";
    return problem.empty();
}

bool ModelOptions::Apply(const Catalogues& catalogues, CModelState& model, const char* command,
                         std::ostream& err) const
{
    if (key) {
        const KeyCommand* menuKey = FindMenuKey(*key);
        if (!menuKey || !model.SelectKey(menuKey->name)) {
            err << "morvix-cli " << command << ": the key " << *key << " is not one of the Key menu's "
                << MenuKeyNames() << "\n";
            return false;
        }
    }
    if (scale) {
        int index = catalogues.scales.FindByFullName(*scale);
        if (index < 0) {
            err << "morvix-cli " << command << ": no scale is named \"" << *scale << "\"\n";
            return false;
        }
        if (catalogues.scales.Record(index).childCount != 1) {
            err << "morvix-cli " << command << ": \"" << *scale << "\" is a group of scales; name one of its scales\n";
            return false;
        }
        model.SelectScale(index);
    }
    if (chord || chordName) {
        int index = FindChord(catalogues.chords, *this);
        if (index < 0) {
            err << "morvix-cli " << command << ": no chord " << (chord ? *chord : *chordName) << "\n";
            return false;
        }
        model.SelectChord(index);
    }
    if (notation) {
        if (notation->size() != 1) {
            err << "morvix-cli " << command << ": a notation is one character (e c p n r h v)\n";
            return false;
        }
        model.notation = (*notation)[0];
    }
    if (chordTones) {
        if (*chordTones != "n" && *chordTones != "i") {
            err << "morvix-cli " << command << ": chord tones are n (names) or i (interval numbers)\n";
            return false;
        }
        model.chordTones = (*chordTones)[0];
    }
    return true;
}
