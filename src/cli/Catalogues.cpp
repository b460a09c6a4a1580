#include "cli/Catalogues.h"

#include <ostream>

#include "app/HomeDir.h"

namespace {

// Loads one catalogue from the user's copy or the shipped one; says which
// file could not be read.
template <class Catalogue>
bool LoadCatalogue(Catalogue& catalogue, const char* name, std::ostream& err)
{
    std::string path = FindProgramFiles().Find(name);
    if (catalogue.Load(path))
        return true;
    err << "morvix-cli: cannot read " << path << "\n";
    return false;
}

} // namespace

bool Catalogues::Load(std::ostream& err)
{
    bool scalesRead = LoadCatalogue(scales, CScaleCatalog::kFileName, err);
    bool chordsRead = LoadCatalogue(chords, CChordCatalog::kFileName, err);
    return scalesRead && chordsRead;
}

std::vector<std::string> ProgramImageFolders()
{
    return {FindProgramFiles().dataDir + "/images"};
}

bool Catalogues::LoadInstruments(std::ostream& err)
{
    return LoadCatalogue(instruments, CInstrumentCatalog::kFileName, err);
}
