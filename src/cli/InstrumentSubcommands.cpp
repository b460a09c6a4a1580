#include <ostream>

#include "cli/Catalogues.h"
#include "cli/Subcommands.h"

int InstrumentsSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty()) {
        err << "usage: morvix-cli instruments\n";
        return 2;
    }
    Catalogues catalogues;
    if (!catalogues.LoadInstruments(err))
        return 2;
    const CInstrumentCatalog& instruments = catalogues.instruments;
    for (int i = 0; i < instruments.Count(); ++i) {
        const std::string& name = instruments.NameOf(i);
        if (name.starts_with('@'))
            break;
        out << i << " " << instruments.KindOf(i) << " " << name << ": " << instruments.TextOf(i) << "\n";
    }
    return 0;
}
