#pragma once
// The window of a piano keyboard: its keys drawn from the model as text or
// as key images, its settings kept under the catalogue entry's name.
#include "instruments/InstrumDoc.h"
#include "instruments/KeyboardInstrument.h"

class CKeyboardDoc : public CInstrumDoc {
public:
    explicit CKeyboardDoc(IInstrumentHost& host);

    KeyboardInstrument keyboard;

    void SetDefaults() override;
    void LoadSettings() override;
    void SaveSettings() override;
    void Draw(IDrawingSurface& surface) override;
    void FitWindow(int columns, int rows) override;
    void BuildLines() override;
    std::string DescribeMarks() override;
    void RunDetailsDialog() override;
    std::string FormatLayoutState() override { return FormatKeyboardState(); }
    bool ParseLayoutState(const std::string& text) override { return ParseKeyboardState(text); }

    std::string FormatKeyboardState();
    bool ParseKeyboardState(const std::string& text);
};
