#pragma once
// What an instrument window asks of the application that owns it: the
// catalogue its entry comes from, its kind's menu, the General MIDI program
// names its details show, and whether a startup layout is being restored.
// The application implements it; the instrument templates hand it in.
#include <optional>
#include <string>

#include "framework/Menu.h"

class CInstrumentCatalog;

class IInstrumentHost {
public:
    virtual const CInstrumentCatalog& Instruments() const = 0;
    // A frame's own copy of the menu of this instrument kind (2 to 5),
    // sharing the catalogue popups; its "&Frame" item is the model's.
    virtual MenuPtr InstrumentMenu(int kind) const = 0;
    // The General MIDI name of a program number; empty outside 0..127.
    virtual std::string ProgramName(int program) const = 0;
    // The program changes of the MIDI file the player takes its timing
    // from; none when no MIDI window is current.
    virtual std::optional<std::string> CurrentProgramSummary() const = 0;
    virtual bool LoadingLayout() const = 0;

protected:
    ~IInstrumentHost() = default;
};
