#include <ostream>

#include "cli/Catalogues.h"
#include "cli/Subcommands.h"

namespace {

// Both listings take no arguments and need both catalogues.
bool LoadForListing(Catalogues& catalogues, const SubcommandArgs& args, const char* name, std::ostream& err)
{
    if (!args.empty()) {
        err << "usage: morvix-cli " << name << "\n";
        return false;
    }
    return catalogues.Load(err);
}

} // namespace

int ScalesSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    Catalogues catalogues;
    if (!LoadForListing(catalogues, args, "scales", err))
        return 2;
    const CScaleCatalog& scales = catalogues.scales;
    for (int i = 0; i < CScaleCatalog::kCapacity; ++i) {
        const ScaleRecord& record = scales.Record(i);
        if (record.depth < 0 || record.name.empty() || record.name[0] == '@')
            break;
        out << i << " " << record.depth << " " << record.childCount << " " << scales.GetFullName(i) << ":";
        for (int step : record.steps) {
            if (step <= 0)
                break;
            out << " " << step;
        }
        out << "\n";
    }
    return 0;
}

int ChordsSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    Catalogues catalogues;
    if (!LoadForListing(catalogues, args, "chords", err))
        return 2;
    const CChordCatalog& chords = catalogues.chords;
    for (int i = 0; i < chords.Count(); ++i) {
        const std::string& key = chords.GetKey(i);
        if (key.empty() || key[0] == '@')
            break;
        out << i << " " << key << " " << chords.GetGroup(i) << ": " << chords.GetText(i) << "\n";
    }
    return 0;
}
