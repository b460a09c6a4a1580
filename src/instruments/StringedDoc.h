#pragma once
// The window of a fretted (or unfretted) stringed instrument: its board
// drawn from the model, its settings kept under the catalogue entry's name.
#include "instruments/InstrumDoc.h"
#include "instruments/StringedInstrument.h"

class CStringedDoc : public CInstrumDoc {
public:
    explicit CStringedDoc(IInstrumentHost& host);

    StringedInstrument stringed;

    void SetDefaults() override;
    void LoadSettings() override;
    void SaveSettings() override;
    void FitWindow(int columns, int rows) override;
    void BuildLines() override;
    std::string DescribeMarks() override;
    void RunDetailsDialog() override;
    std::string FormatLayoutState() override { return FormatStringedState(); }
    bool ParseLayoutState(const std::string& text) override { return ParseStringedState(text); }

    std::string FormatStringedState();
    bool ParseStringedState(const std::string& text);
};
