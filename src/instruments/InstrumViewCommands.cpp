// The instrument view's own commands: the clipboard copies, the font,
// colours and notation, and Save and Save As, which only keep the profile.
#include <algorithm>

#include "framework/Application.h"
#include "harmony/NotationDialog.h"
#include "instruments/ChannelDialog.h"
#include "instruments/ClipboardText.h"
#include "instruments/ColorsDialog.h"
#include "instruments/InstrumDoc.h"
#include "instruments/InstrumentHost.h"
#include "instruments/InstrumView.h"

bool CInstrumView::RefusedInGraphMode()
{
    CInstrumDoc* doc = Doc();
    if (!doc)
        return true;
    if (doc->base.viewStyle != 'g')
        return false;
    doc->App().MessageBox("Copying allowed only in text view mode.", MessageIcon::Warning);
    return true;
}

void CInstrumView::OnCopyAll()
{
    if (RefusedInGraphMode())
        return;
    CInstrumDoc* doc = Doc();
    doc->BuildLines();
    clipText = CopyAllText(doc->base);
    PutOnClipboard("Entire image for " + doc->name + " copied to clipboard.");
}

void CInstrumView::OnVignette()
{
    if (RefusedInGraphMode())
        return;
    CInstrumDoc* doc = Doc();
    doc->BuildLines();
    VisibleArea area;
    if (IFrameWindow* window = Window()) {
        window->GetScrollPosition(area.scrollX, area.scrollY);
        Size client = window->ClientSize();
        area.clientWidth = client.cx;
        area.clientHeight = client.cy;
    }
    area.fontWidth = doc->base.logFont.width;
    area.fontHeight = doc->base.logFont.height;
    clipText = VignetteText(doc->base, area);
    PutOnClipboard("Vignette of " + doc->name + " image copied to clipboard.");
}

// The grid's line-drawing bytes reach the clipboard as the box-drawing
// characters they show, so that the copy pastes into any UTF-8 editor.
void CInstrumView::PutOnClipboard(const std::string& message)
{
    CInstrumDoc* doc = Doc();
    Ports& ports = doc->App().ports;
    ports.clipboard->SetText(GridTextToUtf8(clipText));
    ports.prompts->MessageBox(message, doc->name, MessageIcon::Information, MessageButtons::Ok);
}

void CInstrumView::OnFont()
{
    CInstrumDoc* doc = Doc();
    if (!doc)
        return;
    // The chooser shows the font at the size the user chose it; the
    // window's height and width ratios apply to whatever comes back.
    LogFont font = doc->base.logFont;
    font.height = doc->base.fontHeightNormal;
    font.width = doc->base.fontWidthNormal;
    if (doc->App().ports.prompts->ChooseFont(font, FontFilter::FixedPitch))
        doc->ApplyChosenFont(font);
}

void CInstrumView::OnColors()
{
    CInstrumDoc* doc = Doc();
    if (!doc)
        return;
    InstrumBase& base = doc->base;
    ViewColors start{base.foreColor, base.backColor, base.highlightForeColor, base.highlightBackColor};
    std::optional<ViewColors> chosen = RunColorsDialog(*doc->App().ports.prompts, start);
    if (!chosen)
        return;
    base.foreColor = chosen->fore;
    base.backColor = chosen->back;
    base.highlightForeColor = chosen->highlightFore;
    base.highlightBackColor = chosen->highlightBack;
    doc->UpdateAllViews();
}

void CInstrumView::OnNotation()
{
    CInstrumDoc* doc = Doc();
    if (!doc)
        return;
    doc->base.notation =
        ChooseNotation(*doc->App().ports.prompts, doc->base.notation, doc->base.chordset, doc->base.chordTones);
    doc->UpdateAllViews();
}

// The marks follow the new channel at once: channel 0 takes them away.
void CInstrumView::OnChannel()
{
    CInstrumDoc* doc = Doc();
    if (!doc)
        return;
    std::optional<int> chosen =
        RunChannelDialog(*doc->App().ports.prompts, doc->channel, doc->Host().CurrentProgramSummary());
    if (!chosen)
        return;
    doc->channel = *chosen;
    doc->UpdateNoteMarks();
}

void CInstrumView::OnSave()
{
    CInstrumDoc* doc = Doc();
    if (!doc || doc->entryIndex < 0)
        return;
    doc->SaveSettings();
    doc->App().ports.prompts->MessageBox(doc->name + " profile saved.", doc->name, MessageIcon::Information,
                                         MessageButtons::Ok);
}

void CInstrumView::OnSaveAs()
{
    CInstrumDoc* doc = Doc();
    if (!doc)
        return;
    doc->App().ports.prompts->MessageBox("Use Copy All or Vignette edit function to acquire this " + doc->name +
                                             " image into\nthe Clipboard then Paste into any document with "
                                             "compatable fonts.",
                                         doc->name, MessageIcon::Information, MessageButtons::Ok);
}
