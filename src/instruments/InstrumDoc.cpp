#include "instruments/InstrumDoc.h"

#include <algorithm>
#include <utility>

#include "framework/Frame.h"
#include "framework/View.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelHost.h"
#include "instruments/InstrumCommands.h"
#include "instruments/InstrumentCatalog.h"
#include "instruments/InstrumentHost.h"
#include "instruments/InstrumentKind.h"
#include "instruments/InstrumentSummary.h"

namespace {

constexpr int kFramePosition = 6;

bool IsInstrumentKind(int kind)
{
    return (kind >= kStringedInstrument && kind <= kWindInstrument) || kind == kKeyboardInputInstrument;
}

} // namespace

CInstrumDoc::CInstrumDoc(IInstrumentHost& host) : host_(host)
{
    On(ID_CYCLE_CHORDSET, [this] { CycleChordSet(); });
}

const CNoteSpeller& CInstrumDoc::Speller() const
{
    return model_->Host().Speller();
}

bool CInstrumDoc::OnNewDocument()
{
    base.ClearLines();
    return true;
}

void CInstrumDoc::AttachEntry(CModelDoc& model, int index)
{
    bool firstAttachment = entryIndex == -1;
    const CInstrumentCatalog& catalog = host_.Instruments();
    model_ = &model;
    entryIndex = index;
    name = catalog.NameOf(index);
    kind = catalog.KindOf(index);
    entryText = catalog.TextOf(index).substr(0, 127);
    SetTitle(name);
    modelSerial = model.serial;
    if (CFrame* frame = FirstFrame()) {
        MenuPtr menu = host_.InstrumentMenu(kind);
        if (menu && model.FramePopup())
            menu->ReplaceWithPopup(kFramePosition, kFrameMenuText, model.FramePopup());
        frame->SetMenu(menu);
    }
    if (!host_.LoadingLayout()) {
        if (firstAttachment)
            LoadSettings();
        else
            SetDefaults();
    }
    UpdateAllViews();
}

void CInstrumDoc::ReattachEntry()
{
    if (model_ && kind >= kStringedInstrument && kind <= kWindInstrument)
        AttachEntry(*model_, entryIndex);
}

// Marks follow the notes sounding while a MIDI file plays into the model;
// a note that stops leaves blanks of its mark's length, so that a drawing
// which writes marks over the previous ones clears it.
void CInstrumDoc::UpdateNoteMarks()
{
    bool tableExists = channel == -1 || (channel >= 1 && channel <= 16);
    if (!tableExists) {
        // Channel 0 (none) marks nothing: the marks that were showing go.
        noteMarks = {};
        prevNote = {};
    } else if (model_ && model_->State().liveFlag != 0) {
        const CModelState& state = model_->State();
        const auto& table = model_->noteTables[static_cast<std::size_t>(std::max(channel, 0))];
        for (std::size_t n = 0; n < noteMarks.size(); ++n) {
            int entry = table[n];
            NoteCell& mark = noteMarks[n];
            if (entry != 0) {
                std::string label = base.notation == 'p'
                                        ? std::string("*")
                                        : Speller().GetName(state.accidentals, state.variant, static_cast<int>(n % 12));
                mark.Set(label.empty() ? "*" : label);
            } else if (prevNote[n] != 0) {
                mark.Set(std::string(mark.Text().size(), ' '));
            } else {
                mark.Clear();
            }
            prevNote[n] = entry;
        }
    }
    if (IsInstrumentKind(kind))
        UpdateAllViews();
}

void CInstrumDoc::CycleChordSet()
{
    switch (base.chordset) {
    case 'c': base.chordset = 'f'; break;
    case 'f': base.chordset = 's'; break;
    case 's': base.chordset = 'c'; break;
    default: break;
    }
    if (CView* view = FirstView())
        view->Invalidate();
    UpdateNoteMarks();
}

// The profile is written once per close, whether the frame or the model
// closes the window; closing detaches the instrument from its model.
void CInstrumDoc::OnCloseDocument()
{
    if (IsClosing())
        return;
    if (!settingsSaved && entryIndex >= 0)
        SaveSettings();
    settingsSaved = true;
    // The window goes first, so the model's list of the windows left
    // numbers their captions without this one.
    CModelDoc* model = std::exchange(model_, nullptr);
    CDocument::OnCloseDocument();
    if (model)
        model->DetachInstrument(this);
}

NoteSources CInstrumDoc::CurrentSources()
{
    return GatherNoteSources(model_->State(), base.notation, base.chordTones, base.chordset, noteMarks);
}

std::string CInstrumDoc::Summary()
{
    if (!model_)
        return GetTitle();
    return InstrumentSummary(GetTitle(), model_->State(), DescribeMarks());
}
