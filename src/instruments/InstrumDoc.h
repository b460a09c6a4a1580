#pragma once
// The document base of every instrument window: bound to a model and to an
// entry of the instrument catalogue, it keeps the marks of the notes
// sounding during playback, the text grid the instrument draws into with
// its font, colours and window state (InstrumBase), and the settings
// profile named after the entry. While a MIDI file plays into its model it
// follows the playback, marking the sounding notes of its channel.
#include <array>
#include <string>

#include "framework/Document.h"
#include "framework/Windows.h"
#include "harmony/ModelInstrument.h"
#include "instruments/InstrumBase.h"
#include "instruments/NoteSources.h"
#include "midi/PlaybackFollower.h"

class CModelDoc;
class CNoteSpeller;
class IDrawingSurface;
class IInstrumentHost;

class CInstrumDoc : public CDocument, public IModelInstrument, public IPlaybackFollower {
public:
    explicit CInstrumDoc(IInstrumentHost& host);

    int entryIndex = -1;
    int modelSerial = 0;
    std::string name;
    std::string stateText;
    bool settingsSaved = false;
    // The note table that drives the marks during playback: -1 every
    // channel, 0 none, 1..16 that channel.
    int channel = -1;
    std::array<int, 128> prevNote{};
    NoteMarks noteMarks{};
    std::string entryText;
    InstrumBase base;
    // The drawing's size in graph view mode, set by the instrument's graph drawing.
    Size graphSize{};

    IInstrumentHost& Host() const { return host_; }
    CModelDoc* Model() const { return model_; }
    const CNoteSpeller& Speller() const;

    // The operations each instrument supplies or inherits, in this order.
    void AttachEntry(CModelDoc& model, int entryIndex) override;
    virtual void SetDefaults() = 0;
    virtual void LoadSettings() = 0;
    virtual void SaveSettings() = 0;
    // Rebuilds the text grid from the model, then paints it in text view mode.
    virtual void Draw(IDrawingSurface& surface);
    virtual void FitWindow(int columns, int rows) = 0;
    virtual Size GetDrawingSize();

    // The instrument's lines and lineCount from the model and the marks.
    virtual void BuildLines() = 0;
    // What the drawing marks, in words: the part of the window's summary
    // after the model's heading.
    virtual std::string DescribeMarks() = 0;
    // The instrument's details dialog (the Details command).
    virtual void RunDetailsDialog() = 0;
    // The whole layout state string: "_Vanilla" and the instrument's part.
    virtual std::string FormatLayoutState() = 0;
    virtual bool ParseLayoutState(const std::string& text) = 0;

    // The details dialogs' Reset: the catalogue's defaults again.
    void ReattachEntry();
    void UpdateNoteMarks() override;
    int FollowedChannel() const override { return channel; }
    void ResetFont();
    // A font chosen by the user: measured, scaled by the ratios, shown.
    void ApplyChosenFont(const LogFont& chosen);
    void LoadBaseSettings();
    void SaveBaseSettings();
    void DrawTextLines(IDrawingSurface& surface);
    // The window's one-line summary: name, model heading and marks.
    std::string Summary();
    // The note sources the drawing uses, from the model; needs a model.
    NoteSources CurrentSources();
    // Places and sizes the frame for a grid of this size, cascaded by kind.
    void FitWindowTo(int columns, int rows);
    // The "_Vanilla" part, from the frame's and view's current state.
    std::string FormatStateString();
    bool ParseStateString(const std::string& text);
    // Chord set c → f → s → c; any other code stays.
    void CycleChordSet();

    bool OnNewDocument() override;
    void OnCloseDocument() override;

private:
    // Reads placement and scroll state back from the frame and view.
    void ReadWindowState();
    // Gives placement and scroll state to the frame and view.
    void ApplyWindowState();
    void MeasureFont();
    LogFont DefaultFont() const;
    void RepairHalvedSheetCell();
    void SetScrollSizes(Size total);

    IInstrumentHost& host_;
    CModelDoc* model_ = nullptr;
    // The last drawing size, kept for a view style that has none.
    Size drawingSize_{1024, 1024};
};
