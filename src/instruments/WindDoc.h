#pragma once
// The window of a recorder: the fingering chart of every note of the model
// within its range, its settings kept under the catalogue entry's name.
#include "instruments/InstrumDoc.h"
#include "instruments/WindInstrument.h"

class CWindDoc : public CInstrumDoc {
public:
    explicit CWindDoc(IInstrumentHost& host);

    WindInstrument wind;

    void SetDefaults() override;
    void LoadSettings() override;
    void SaveSettings() override;
    void FitWindow(int columns, int rows) override;
    void BuildLines() override;
    std::string DescribeMarks() override;
    void RunDetailsDialog() override;
    std::string FormatLayoutState() override { return FormatRecorderState(); }
    bool ParseLayoutState(const std::string& text) override { return ParseRecorderState(text); }

    std::string FormatRecorderState();
    bool ParseRecorderState(const std::string& text);
};
