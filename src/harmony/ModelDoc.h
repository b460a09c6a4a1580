#pragma once
// A model document: a key, a scale and a chord with everything computed
// from them, the instruments that show it, and its settings profile.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "harmony/ModelState.h"
#include "text/GeneralDoc.h"

class IModelHost;

class CModelDoc : public CGeneralDoc {
public:
    static constexpr int kMaxInstruments = 32;
    // The hint a recomputation sends to the model's views.
    static constexpr int kHintReport = 1;

    explicit CModelDoc(IModelHost& host);

    IModelHost& Host() const { return host_; }
    const CModelState& State() const { return state_; }
    // Instruments relabel the notes in their own notation when they draw,
    // which rewrites the state's labels and span.
    CModelState& State() { return state_; }

    void InitModel();
    void SetDefaults() override;
    void LoadSettings() override;
    void SaveSettings() override;
    std::string FormatStateString() override;
    bool ParseStateString(const std::string& text) override;
    void OnCloseDocument() override;

    void SelectKey(const std::string& name);
    void SelectScale(int index);
    void SelectChord(int index);
    // Key, scale and chord (-1: none) as one change, as if chosen from the
    // menus one after the other but recorded once.
    void ShowChoice(const std::string& key, int scale, int chord);
    // A preset chord fixes its own scale: choosing another scale drops it.
    void DropPresetChord();
    void SetNotation(char notation, char chordset, char chordTones);
    // A key signature played while live: shown, but not the user's choice,
    // so it enters neither the History box, the profile nor the layout.
    void ApplyKeySignature(int sf, bool minor);
    // Set while a MIDI playback drives the model.
    void SetLive(bool live);
    // Key, scale and chord from a History box entry.
    void ApplyHistoryEntry(std::string_view entry);
    void Recompute();

    // The Instrument command: a new window for the catalogue entry, attached
    // to this model; null when it could not be opened or the model is full.
    CDocument* AddInstrument(int entryIndex);
    // Attached instruments in attachment order; false when full.
    bool AttachInstrument(CDocument* instrument);
    void DetachInstrument(CDocument* instrument);
    const std::vector<CDocument*>& Instruments() const { return instruments_; }
    MenuPtr FramePopup() const { return framePopup_; }
    // Brings the frame of the attached instrument at this position forward.
    void ActivateInstrument(int position);

    // Sounding notes during playback: table 0 for every channel, 1..16 each.
    std::array<std::array<int, 128>, 17> noteTables{};

private:
    void Recompute(bool recordHistory);
    // The key, scale and chord the user chose: during a playback that
    // changed the key, what the model was before (what playback restores).
    const CModelState& UserChoice() const { return beforePlayback_ ? *beforePlayback_ : state_; }
    std::vector<std::string> InstrumentTitles() const;
    void ShowFramePopup();
    void UpdateInstruments();
    void Maximize();

    IModelHost& host_;
    CModelState state_;
    std::optional<CModelState> beforePlayback_;
    std::vector<CDocument*> instruments_;
    MenuPtr framePopup_;
};
