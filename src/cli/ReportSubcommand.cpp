#include <charconv>
#include <optional>
#include <ostream>

#include "cli/Catalogues.h"
#include "cli/Subcommands.h"
#include "harmony/ModelState.h"

namespace {

struct ReportOptions {
    std::optional<std::string> key, scale, chord, notation;
};

bool ParseOptions(const SubcommandArgs& args, ReportOptions& options, std::ostream& err)
{
    for (size_t i = 0; i < args.size(); i += 2) {
        std::optional<std::string>* target = args[i] == "--key"        ? &options.key
                                             : args[i] == "--scale"    ? &options.scale
                                             : args[i] == "--chord"    ? &options.chord
                                             : args[i] == "--notation" ? &options.notation
                                                                       : nullptr;
        if (!target || i + 1 >= args.size()) {
            err << "usage: morvix-cli report [--key K] [--scale \"FULL NAME\"] [--chord N|SHORTNAME] "
                   "[--notation CODE]\n";
            return false;
        }
        *target = args[i + 1];
    }
    return true;
}

// A record index, or the first chord whose short name matches; -1 for none.
int FindChord(const CChordCatalog& chords, const std::string& text)
{
    int index = -1;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error == std::errc() && end == text.data() + text.size())
        return index >= 0 && index < chords.Count() - 1 ? index : -1;
    for (int i = 0; i < chords.Count() - 1; ++i)
        if (chords.GetKey(i) == text && chords.GetKey(i) != "group")
            return i;
    return -1;
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
    if (options.chord) {
        int index = FindChord(catalogues.chords, *options.chord);
        if (index < 0) {
            err << "morvix-cli report: no chord " << *options.chord << "\n";
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
