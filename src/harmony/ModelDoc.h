#pragma once
// A model document: a key, a scale and a chord with everything computed
// from them, the instruments that show it, and its settings profile.
#include <array>
#include <vector>

#include "harmony/ModelState.h"
#include "text/GeneralDoc.h"

class CReferenceApp;

class CModelDoc : public CGeneralDoc, public CModelState {
public:
    static constexpr int kMaxInstruments = 32;

    explicit CModelDoc(CReferenceApp& app);

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
    void ApplyKeySignature(int sf, bool minor);
    void Recompute();

    // Attached instruments in attachment order; false when full.
    bool AttachInstrument(CDocument* instrument);
    void DetachInstrument(CDocument* instrument);
    const std::vector<CDocument*>& Instruments() const { return instruments_; }
    MenuPtr FramePopup() const { return framePopup_; }

    // Sounding notes during playback: table 0 for every channel, 1..16 each.
    std::array<std::array<int, 128>, 17> noteTables{};

private:
    std::vector<std::string> InstrumentTitles() const;
    void ShowFramePopup();
    void ShowReport();
    void Maximize();

    CReferenceApp& app_;
    std::vector<CDocument*> instruments_;
    MenuPtr framePopup_;
};
