#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/Catalogues.h"
#include "cli/Subcommands.h"
#include "harmony/ModelState.h"

namespace {

struct ReportOptions {
    std::optional<std::string> key, scale, chord, chordName, notation;
};

constexpr const char* kUsage = "usage: morvix-cli report [--key K] [--scale \"FULL NAME\"] "
                               "[--chord #N|N|SHORTNAME | --chord-name SHORTNAME] [--notation CODE]\n";

bool ParseOptions(const SubcommandArgs& args, ReportOptions& options, std::ostream& err)
{
    for (size_t i = 0; i < args.size(); i += 2) {
        std::optional<std::string>* target = args[i] == "--key"        ? &options.key
                                             : args[i] == "--scale"    ? &options.scale
                                             : args[i] == "--chord"    ? &options.chord
                                             : args[i] == "--chord-name" ? &options.chordName
                                             : args[i] == "--notation" ? &options.notation
                                                                       : nullptr;
        if (!target || i + 1 >= args.size()) {
            err << kUsage;
            return false;
        }
        *target = args[i + 1];
    }
    if (options.chord && options.chordName) {
        err << kUsage;
        return false;
    }
    return true;
}

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
// chord whose name is a number ("7") is reached with --chord-name.
int FindChord(const CChordCatalog& chords, const ReportOptions& options)
{
    if (options.chordName)
        return ChordByName(chords, *options.chordName);
    std::string_view text = *options.chord;
    if (text.starts_with('#'))
        return ChordByRecord(chords, text.substr(1));
    int index = ChordByRecord(chords, text);
    return index >= 0 ? index : ChordByName(chords, text);
}

bool Apply(const ReportOptions& options, const Catalogues& catalogues, CModelState& model, std::ostream& err)
{
    if (options.key && !model.SelectKey(*options.key)) {
        err << "morvix-cli report: the key " << *options.key << " is not a note name\n";
        return false;
    }
    if (options.scale) {
        int index = catalogues.scales.FindByFullName(*options.scale);
        if (index < 0) {
            err << "morvix-cli report: no scale is named \"" << *options.scale << "\"\n";
            return false;
        }
        model.SelectScale(index);
    }
    if (options.chord || options.chordName) {
        int index = FindChord(catalogues.chords, options);
        if (index < 0) {
            err << "morvix-cli report: no chord " << (options.chord ? *options.chord : *options.chordName) << "\n";
            return false;
        }
        model.SelectChord(index);
    }
    if (options.notation) {
        if (options.notation->size() != 1) {
            err << "morvix-cli report: a notation is one character (e c p n r h v)\n";
            return false;
        }
        model.notation = (*options.notation)[0];
    }
    return true;
}

} // namespace

int ReportSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    ReportOptions options;
    Catalogues catalogues;
    if (!ParseOptions(args, options, err) || !catalogues.Load(err))
        return 2;
    CModelState model(catalogues.speller, catalogues.scales, catalogues.chords);
    model.SetDefaults();
    model.SelectScale(0);
    if (!Apply(options, catalogues, model, err))
        return 2;
    model.Recompute({});
    for (char c : model.reportText)
        if (c != '\r')
            out << c;
    return 0;
}
