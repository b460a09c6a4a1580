#include "harmony/ModelDoc.h"

#include <algorithm>

#include "app/AppCommands.h"
#include "app/MenuResources.h"
#include "app/ModelHistory.h"
#include "app/ReferenceApp.h"
#include "framework/Frame.h"
#include "framework/TextControl.h"
#include "framework/View.h"

CModelDoc::CModelDoc(CReferenceApp& app)
    : CModelState(app.Speller(), app.Scales(), app.Chords()), app_(app)
{
    kind = 1;
}

void CModelDoc::InitModel()
{
    if (!app_.primaryModel)
        app_.primaryModel = this;
    app_.lastModel = this;
    kind = 1;
    SetTitle("Model");
    saved = false;
    instruments_.clear();
    section = "Model";
    if (CFrame* frame = FirstFrame())
        frame->SetMenu(app_.ModelMenuFor(*this));
    Maximize();
    if (!app_.LoadingLayout())
        LoadSettings();
}

void CModelDoc::Maximize()
{
    if (CFrame* frame = FirstFrame(); frame && !app_.LoadingLayout())
        frame->Show(SW_SHOWMAXIMIZED);
}

void CModelDoc::SetDefaults()
{
    CGeneralDoc::SetDefaults();
    CModelState::SetDefaults();
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
    notation = notationText[0];
    AdoptKeyOrC(s.GetString(section, "Key", "C"));
    scaleName = s.GetString(section, "Scale", "major");
    scaleIndex = app_.Scales().FindByFullName(scaleName);
    chordName = s.GetString(section, "Chord", "");
    app_.History().SetSelection(*this, s.GetInt(section, "History", -1));
    CGeneralDoc::LoadSettings();
    Maximize();
    SelectScale(scaleIndex);
}

void CModelDoc::SaveSettings()
{
    ISettings& s = *App().ports.settings;
    s.WriteString(section, "Notation", std::string(1, notation));
    s.WriteString(section, "Key", keyName);
    s.WriteString(section, "Scale", scaleName);
    s.WriteString(section, "Chord", chordName);
    s.WriteInt(section, "History", app_.History().GetSelection(*this));
    CGeneralDoc::SaveSettings();
}

std::string CModelDoc::FormatStateString()
{
    return CGeneralDoc::FormatStateString() + FormatModelState(app_.History().GetSelection(*this));
}

bool CModelDoc::ParseStateString(const std::string& text)
{
    int historySelection = -1;
    if (!ParseModelState(text, historySelection))
        return false;
    app_.History().SetSelection(*this, historySelection);
    if (!CGeneralDoc::ParseStateString(text))
        return false;
    kind = 1;
    SelectScale(scaleIndex);
    return true;
}

void CModelDoc::OnCloseDocument()
{
    if (IsClosing())
        return;
    if (app_.primaryModel == this)
        app_.primaryModel = nullptr;
    if (app_.lastModel == this)
        app_.lastModel = nullptr;
    if (!saved)
        SaveSettings();
    saved = true;
    for (CDocument* instrument : std::vector<CDocument*>(instruments_))
        instrument->OnCloseDocument();
    CGeneralDoc::OnCloseDocument();
}

void CModelDoc::SelectKey(const std::string& name)
{
    if (CModelState::SelectKey(name))
        Recompute();
}

void CModelDoc::SelectScale(int index)
{
    CModelState::SelectScale(index);
    Recompute();
}

void CModelDoc::SelectChord(int index)
{
    CModelState::SelectChord(index);
    Recompute();
}

void CModelDoc::ApplyKeySignature(int sf, bool minor)
{
    if (CModelState::ApplyKeySignature(sf, minor))
        Recompute();
}

void CModelDoc::Recompute()
{
    CModelState::Recompute(InstrumentTitles());
    ShowFramePopup();
    ShowReport();
    if (!app_.LoadingLayout()) {
        app_.History().Record(*this);
        UpdateAllViews(nullptr);
    }
    if (!app_.primaryModel)
        app_.primaryModel = this;
}

std::vector<std::string> CModelDoc::InstrumentTitles() const
{
    std::vector<std::string> titles;
    for (CDocument* instrument : instruments_)
        titles.push_back(instrument->GetTitle());
    return titles;
}

void CModelDoc::ShowFramePopup()
{
    framePopup_ = CMenu::Create();
    for (int i = 0; i < static_cast<int>(instruments_.size()); ++i)
        framePopup_->AppendCommand(instruments_[i]->GetTitle(), ID_FRAME_FIRST + i);
    CFrame* frame = FirstFrame();
    if (!frame || !frame->GetMenu())
        return;
    int position = frame->GetMenu()->FindByText("&Frame");
    if (position >= 0)
        frame->GetMenu()->ReplaceWithPopup(position, "&Frame", framePopup_);
    for (CDocument* instrument : instruments_)
        if (CFrame* instrumentFrame = instrument->FirstFrame(); instrumentFrame && instrumentFrame->GetMenu())
            instrumentFrame->GetMenu()->ReplaceWithPopup(6, "&Frame", framePopup_);
    App().UpdateMenuBar();
}

void CModelDoc::ShowReport()
{
    CView* view = FirstView();
    ITextControl* text = view ? view->TextControl() : nullptr;
    if (!text)
        return;
    text->SetText(reportText);
    text->SetReadOnly(true);
    text->SetModified(false);
}

bool CModelDoc::AttachInstrument(CDocument* instrument)
{
    if (static_cast<int>(instruments_.size()) >= kMaxInstruments)
        return false;
    instruments_.push_back(instrument);
    Recompute();
    return true;
}

void CModelDoc::DetachInstrument(CDocument* instrument)
{
    auto it = std::find(instruments_.begin(), instruments_.end(), instrument);
    if (it == instruments_.end())
        return;
    instruments_.erase(it);
    if (!IsClosing())
        Recompute();
}
