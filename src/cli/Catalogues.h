#pragma once
// The note table and the catalogues as the program loads them from its
// home directory, for the subcommands that need no application.
#include <iosfwd>
#include <string>
#include <vector>

#include "harmony/ChordCatalog.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"
#include "instruments/InstrumentCatalog.h"

struct Catalogues {
    CNoteSpeller speller;
    CScaleCatalog scales;
    CChordCatalog chords;
    CInstrumentCatalog instruments;

    // False, after a message on err, when a catalogue file cannot be read.
    bool Load(std::ostream& err);
    // The instrument catalogue; false, after a message, when it cannot be read.
    bool LoadInstruments(std::ostream& err);
};

// Where the instruments' images are read from: the program's own images.
std::vector<std::string> ProgramImageFolders();
