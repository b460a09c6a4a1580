#pragma once
// The window of a sheet music staff: the model's notes written on the staff
// of its clef method, as text or with clef, accidental and note images; while
// a MIDI file plays into the model, the file's notes page by page instead.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "harmony/ModelState.h"

#include "instruments/InstrumDoc.h"
#include "instruments/LiveSheet.h"
#include "instruments/SheetInstrument.h"
#include "instruments/SheetStaff.h"

class CSheetDoc : public CInstrumDoc {
public:
    explicit CSheetDoc(IInstrumentHost& host);

    SheetInstrument sheet;

    void SetDefaults() override;
    void LoadSettings() override;
    void SaveSettings() override;
    void Draw(IDrawingSurface& surface) override;
    void FitWindow(int columns, int rows) override;
    void BuildLines() override;
    std::string DescribeMarks() override;
    void RunDetailsDialog() override;
    std::string FormatLayoutState() override { return FormatSheetState(); }
    bool ParseLayoutState(const std::string& text) override { return ParseSheetState(text); }

    std::string FormatSheetState();
    bool ParseSheetState(const std::string& text);

    // Following a playback.
    bool IsSheetMusic() const override { return true; }
    void PreparePlayback(const PlayList& list, std::size_t first, unsigned division) override;
    bool TurnPageIfPast(const MidiEvent& event) override;
    void HighlightPosition(std::uint64_t tick) override;
    void FinishPlayback() override;

    const LiveSheet& Live() const { return live_; }

private:
    // What the live drawing needs of the staff last built.
    LiveStaff MakeLiveStaff();
    bool Following() const { return sheet.playbackActive && playList_; }
    // The model the staff is written from: while a file plays, the model as
    // playback found it, in the key signature in force at the page's first
    // record.
    CModelState& StaffState();
    void SpellPageFrom(std::size_t first);

    StaffLayout layout_;
    LiveSheet live_;
    std::optional<CModelState> startState_;
    std::optional<CModelState> pageState_;
    const PlayList* playList_ = nullptr;
    unsigned division_ = 0;
};
