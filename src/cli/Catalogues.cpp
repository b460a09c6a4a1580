#include "cli/Catalogues.h"

#include <ostream>

#include "app/HomeDir.h"

bool Catalogues::Load(std::ostream& err)
{
    std::string home = FindHomeDir();
    bool ok = true;
    if (!scales.Load(home + "/" + CScaleCatalog::kFileName)) {
        err << "morvix-cli: cannot read " << home << "/" << CScaleCatalog::kFileName << "\n";
        ok = false;
    }
    if (!chords.Load(home + "/" + CChordCatalog::kFileName)) {
        err << "morvix-cli: cannot read " << home << "/" << CChordCatalog::kFileName << "\n";
        ok = false;
    }
    return ok;
}

bool Catalogues::LoadInstruments(std::ostream& err)
{
    std::string home = FindHomeDir();
    if (instruments.Load(home + "/" + CInstrumentCatalog::kFileName))
        return true;
    err << "morvix-cli: cannot read " << home << "/" << CInstrumentCatalog::kFileName << "\n";
    return false;
}
