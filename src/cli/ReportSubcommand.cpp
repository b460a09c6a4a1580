#include <ostream>

#include "cli/Catalogues.h"
#include "cli/ModelOptions.h"
#include "cli/Subcommands.h"
#include "harmony/ModelState.h"

namespace {

bool ParseOptions(const SubcommandArgs& args, ModelOptions& options, std::ostream& err)
{
    for (std::size_t i = 0; i < args.size();) {
        std::string problem;
        if (!options.Take(args, i, problem)) {
            err << "morvix-cli report: " << (problem.empty() ? UnknownArgument(args[i]) : problem) << "\n"
                << "usage: morvix-cli report [--key K] [--scale \"FULL NAME\"] [--chord #N|N|SHORTNAME | --chord-name SHORTNAME] "
                   "[--notation CODE] [--chord-tones n|i]\n";
            return false;
        }
    }
    return true;
}

} // namespace

int ReportSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    ModelOptions options;
    Catalogues catalogues;
    if (!ParseOptions(args, options, err) || !catalogues.Load(err))
        return 2;
    CModelState model(catalogues.speller, catalogues.scales, catalogues.chords);
    model.SetDefaults();
    model.SelectScale(0);
    if (!options.Apply(catalogues, model, "report", err))
        return 2;
    model.Recompute({});
    for (char c : model.reportText)
        if (c != '\r')
            out << c;
    return 0;
}
