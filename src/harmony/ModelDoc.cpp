#include "harmony/ModelDoc.h"

#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "framework/Frame.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelHistory.h"
#include "harmony/ModelHost.h"
#include "harmony/ModelInstrument.h"
#include "harmony/ModelRoster.h"
#include "harmony/Notation.h"

CModelDoc::CModelDoc(IModelHost& host)
    : host_(host), state_(host.Speller(), host.Scales(), host.Chords())
{
    kind = 1;
}

void CModelDoc::InitModel()
{
    host_.Models().Opened(*this);
    kind = 1;
    SetTitle("Model");
    saved = false;
    instruments_.clear();
    section = "Model";
    if (CFrame* frame = FirstFrame())
        frame->SetMenu(host_.ModelMenu());
    ShowFramePopup();
    Maximize();
    if (!host_.LoadingLayout())
        LoadSettings();
}

void CModelDoc::Maximize()
{
    if (CFrame* frame = FirstFrame(); frame && !host_.LoadingLayout())
        frame->Show(SW_SHOWMAXIMIZED);
}

void CModelDoc::SetDefaults()
{
    CGeneralDoc::SetDefaults();
    state_.SetDefaults();
    Maximize();
    SelectScale(0);
}

void CModelDoc::LoadSettings()
{
    ISettings& s = *App().ports.settings;
    std::string notationText = s.GetString(section, "Notation", "absent");
    if (notationText == "absent" || notationText.empty()) {
        SetDefaults();
        return;
    }
    // A value the program does not know reads as its default.
    state_.notation = IsNotationCode(notationText[0]) ? notationText[0] : Notation::kExtended;
    // Profiles from before the choice label chord tones by name.
    state_.chordTones = s.GetString(section, "ChordTones", "n") == "i" ? 'i' : 'n';
    state_.AdoptKeyOrC(s.GetString(section, "Key", "C"));
    state_.scaleName = s.GetString(section, "Scale", "major");
    state_.scaleIndex = host_.Scales().FindByFullName(state_.scaleName);
    if (state_.scaleIndex >= 0 && host_.Scales().Record(state_.scaleIndex).childCount != 1)
        state_.scaleIndex = -1;  // a group, not a scale
    state_.chordName = s.GetString(section, "Chord", "");
    state_.chordIndex = state_.chordName.empty() ? 0 : std::max(state_.FindChord(state_.chordName), 0);
    if (state_.chordIndex == 0)
        state_.chordName.clear();
    host_.History().SetSelection(*this, s.GetInt(section, "History", -1));
    CGeneralDoc::LoadSettings();
    Maximize();
    SelectScale(state_.scaleIndex);
}

void CModelDoc::SaveSettings()
{
    ISettings& s = *App().ports.settings;
    const CModelState& choice = UserChoice();
    s.WriteString(section, "Notation", std::string(1, choice.notation));
    s.WriteString(section, "ChordTones", std::string(1, choice.chordTones));
    s.WriteString(section, "Key", choice.keyName);
    s.WriteString(section, "Scale", choice.scaleName);
    s.WriteString(section, "Chord", choice.chordName);
    s.WriteInt(section, "History", host_.History().GetSelection(*this));
    CGeneralDoc::SaveSettings();
}

std::string CModelDoc::FormatStateString()
{
    return CGeneralDoc::FormatStateString() + UserChoice().FormatModelState(host_.History().GetSelection(*this));
}

bool CModelDoc::ParseStateString(const std::string& text)
{
    int historySelection = -1;
    if (!state_.ParseModelState(text, historySelection))
        return false;
    host_.History().SetSelection(*this, historySelection);
    if (!CGeneralDoc::ParseStateString(text))
        return false;
    kind = 1;
    SelectScale(state_.scaleIndex);
    return true;
}

void CModelDoc::OnCloseDocument()
{
    if (IsClosing())
        return;
    host_.Models().Closed(*this);
    if (!saved)
        SaveSettings();
    saved = true;
    // The list is let go first: instruments that close detach themselves,
    // and a closing model has nothing to recompute for them.
    for (CDocument* instrument : std::exchange(instruments_, {}))
        instrument->OnCloseDocument();
    CGeneralDoc::OnCloseDocument();
}

void CModelDoc::SelectKey(const std::string& name)
{
    if (state_.SelectKey(name))
        Recompute();
}

void CModelDoc::SelectScale(int index)
{
    state_.SelectScale(index);
    Recompute();
}

void CModelDoc::SelectChord(int index)
{
    state_.SelectChord(index);
    Recompute();
}

void CModelDoc::ShowChoice(const std::string& key, int scale, int chord)
{
    host_.History().SetSelection(*this, -1);
    state_.SelectKey(key);
    state_.SelectScale(scale);
    if (chord >= 0) {
        state_.SelectChord(chord);
    } else {
        state_.chordName.clear();
        state_.chordIndex = 0;
    }
    Recompute();
}

void CModelDoc::DropPresetChord()
{
    if (state_.chordName.find(';', 1) != std::string::npos)
        state_.chordName.clear();
}

void CModelDoc::SetNotation(char notation, char chordset, char chordTones)
{
    state_.notation = notation;
    state_.chordset = chordset;
    state_.chordTones = chordTones;
    Recompute();
}

void CModelDoc::SetLive(bool live)
{
    state_.liveFlag = live ? 1 : 0;
    if (!live)
        beforePlayback_.reset();
}

void CModelDoc::ApplyKeySignature(int sf, bool minor)
{
    if (!state_.liveFlag)
        return;
    if (!beforePlayback_)
        beforePlayback_.emplace(state_);
    if (state_.ApplyKeySignature(sf, minor))
        Recompute(false);
}

void CModelDoc::ApplyHistoryEntry(std::string_view entry)
{
    state_.ApplyHistoryEntry(entry);
    SelectScale(state_.scaleIndex);
}

void CModelDoc::Recompute()
{
    Recompute(true);
}

void CModelDoc::Recompute(bool recordHistory)
{
    state_.Recompute(InstrumentTitles());
    UpdateAllViews(nullptr, kHintReport);
    if (!host_.LoadingLayout()) {
        if (recordHistory)
            host_.History().Record(*this);
        UpdateInstruments();
    }
    host_.Models().Adopt(*this);
}

void CModelDoc::UpdateInstruments()
{
    for (CDocument* document : instruments_)
        if (auto* instrument = dynamic_cast<IModelInstrument*>(document))
            instrument->UpdateNoteMarks();
}

std::vector<std::string> CModelDoc::InstrumentTitles() const
{
    std::vector<std::string> titles;
    for (CDocument* instrument : instruments_)
        titles.push_back(instrument->GetTitle());
    return titles;
}

// Rebuilt only when an instrument is attached or detached: the titles it
// lists never change otherwise.
void CModelDoc::ShowFramePopup()
{
    framePopup_ = CMenu::Create();
    for (int i = 0; i < static_cast<int>(instruments_.size()); ++i) {
        // Two windows of one instrument are told apart by their captions.
        CFrame* instrumentFrame = instruments_[i]->FirstFrame();
        std::string text = instrumentFrame ? App().CaptionOf(*instrumentFrame) : instruments_[i]->GetTitle();
        framePopup_->AppendCommand(text, ID_FRAME_FIRST + i);
    }
    CFrame* frame = FirstFrame();
    if (!frame || !frame->GetMenu())
        return;
    int position = frame->GetMenu()->FindByText(kFrameMenuText);
    if (position >= 0)
        frame->GetMenu()->ReplaceWithPopup(position, kFrameMenuText, framePopup_);
    for (CDocument* instrument : instruments_)
        if (CFrame* instrumentFrame = instrument->FirstFrame(); instrumentFrame && instrumentFrame->GetMenu())
            instrumentFrame->GetMenu()->ReplaceWithPopup(6, kFrameMenuText, framePopup_);
    App().UpdateMenuBar();
}

CDocument* CModelDoc::AddInstrument(int entryIndex)
{
    if (static_cast<int>(instruments_.size()) >= kMaxInstruments) {
        App().MessageBox("A model shows at most 32 instruments: close one of its instrument windows first.",
                         MessageIcon::Warning);
        return nullptr;
    }
    CDocument* document = host_.OpenInstrument(entryIndex);
    auto* instrument = dynamic_cast<IModelInstrument*>(document);
    if (!instrument)
        return nullptr;
    instrument->AttachEntry(*this, entryIndex);
    AttachInstrument(document);
    return document;
}

void CModelDoc::ActivateInstrument(int position)
{
    if (position < 0 || position >= static_cast<int>(instruments_.size()))
        return;
    if (CFrame* frame = instruments_[static_cast<std::size_t>(position)]->FirstFrame())
        frame->Activate();
}

bool CModelDoc::AttachInstrument(CDocument* instrument)
{
    if (static_cast<int>(instruments_.size()) >= kMaxInstruments)
        return false;
    instruments_.push_back(instrument);
    ShowFramePopup();
    Recompute();
    return true;
}

void CModelDoc::DetachInstrument(CDocument* instrument)
{
    auto it = std::find(instruments_.begin(), instruments_.end(), instrument);
    if (it == instruments_.end())
        return;
    instruments_.erase(it);
    if (IsClosing())
        return;
    ShowFramePopup();
    Recompute();
}
