#include "instruments/SheetDoc.h"

#include "framework/Application.h"
#include "framework/View.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumentKind.h"
#include "instruments/InstrumentSummary.h"
#include "instruments/SheetDetailsDialog.h"
#include "instruments/SheetDrawing.h"
#include "instruments/SheetGraph.h"

CSheetDoc::CSheetDoc(IInstrumentHost& host) : CInstrumDoc(host)
{
    kind = kSheetInstrument;
    sheet.showNotes = 'a';
}

void CSheetDoc::SetDefaults()
{
    base.SetBaseDefaults();
    sheet.SetDefaults(entryText);
    ApplySheetBaseDefaults(base);
    ResetFont();
    FitWindow(-1, -1);
}

void CSheetDoc::LoadSettings()
{
    if (!sheet.LoadSettings(*App().ports.settings, name)) {
        SetDefaults();
        return;
    }
    LoadBaseSettings();
}

void CSheetDoc::SaveSettings()
{
    sheet.SaveSettings(*App().ports.settings, name);
    SaveBaseSettings();
}

void CSheetDoc::FitWindow(int columns, int rows)
{
    FitWindowTo(columns == -1 ? sheet.DefaultColumns() : columns, rows == -1 ? sheet.DefaultRows() : rows);
}

// In the graph view the lines are the staff the images lie on, and the
// drawing is as large as their text.
void CSheetDoc::BuildLines()
{
    if (!Model())
        return;
    layout_ = BuildSheetLines(sheet, StaffState(), Speller(), base);
    if (base.viewStyle == 'g') {
        PixelSize size = TextGridSize(base);
        graphSize = {size.width, size.height};
    }
}

void CSheetDoc::Draw(IDrawingSurface& surface)
{
    if (!Model())
        return;
    if (base.viewStyle == 'g') {
        PixelSize size = DrawSheetGraph(surface, sheet, StaffState(), Speller(), base, &layout_);
        graphSize = {size.width, size.height};
    } else {
        BuildLines();
        DrawTextLines(surface);
    }
    if (Following()) {
        LiveStaff staff = MakeLiveStaff();
        live_.DrawLiveNotes(surface, staff, live_.PageStart(), false);
        live_.PaintHighlight(surface, staff);
    }
}

// The staff as the window last built it, with the sources it was built from.
std::string CSheetDoc::DescribeMarks()
{
    BuildLines();
    return SheetMarks(layout_, CurrentSources());
}

void CSheetDoc::RunDetailsDialog()
{
    RunSheetDetails(*this);
}

std::string CSheetDoc::FormatSheetState()
{
    return FormatStateString() + sheet.FormatState();
}

bool CSheetDoc::ParseSheetState(const std::string& text)
{
    if (!Model() || !sheet.ParseState(text))
        return false;
    return ParseStateString(text);
}

CModelState& CSheetDoc::StaffState()
{
    return Following() && pageState_ ? *pageState_ : Model()->State();
}

// A page played from a queued point is spelled in the key of its own place
// in the file, not in the later key the model was moved to meanwhile.
void CSheetDoc::SpellPageFrom(std::size_t first)
{
    if (!startState_)
        return;
    pageState_.emplace(*startState_);
    // In force at the page's first record: the last signature up to its
    // time, those at the same tick after it in the list included.
    const MidiEvent* signature = nullptr;
    std::uint64_t start = first < playList_->size() ? (*playList_)[first].time : 0;
    for (const MidiEvent& event : *playList_) {
        if (event.time > start)
            break;
        if (event.kind == MidiKind::KeySignature && event.length() >= 2)
            signature = &event;
    }
    if (!signature)
        return;
    pageState_->liveFlag = 1;
    pageState_->ApplyKeySignature(signature->data[0], signature->data[1] != 0);
    pageState_->ComputeNotes();
}

LiveStaff CSheetDoc::MakeLiveStaff()
{
    const CModelState& state = StaffState();
    return LiveStaff{*playList_, division_, layout_.columnCount, base, channel, Speller(),
                     state.accidentals, state.variant, 0, 0, sheet.highlight == 'y', &layout_};
}

// The scale's notes leave the staff; the first page starts at `first`.
void CSheetDoc::PreparePlayback(const PlayList& list, std::size_t first, unsigned division)
{
    playList_ = &list;
    division_ = division;
    sheet.playbackActive = true;
    if (Model())
        startState_.emplace(Model()->State());
    SpellPageFrom(first);
    live_.PreparePlayback(list, first, division);
    UpdateAllViews();
}

// The page turns when the music passes its last record: the staff is
// rebuilt first, as its width bounds the page.
bool CSheetDoc::TurnPageIfPast(const MidiEvent& event)
{
    if (!Following() || !Model())
        return false;
    std::size_t end = live_.PageEnd();
    if (end >= playList_->size() || event.time <= (*playList_)[end].time)
        return false;
    SpellPageFrom(end);
    BuildLines();
    live_.TurnPage(MakeLiveStaff(), end);
    return true;
}

void CSheetDoc::HighlightPosition(std::uint64_t tick)
{
    if (!Following() || !Model())
        return;
    if (live_.MoveHighlight(MakeLiveStaff(), tick))
        if (CView* view = FirstView())
            view->Invalidate();
}

void CSheetDoc::FinishPlayback()
{
    sheet.playbackActive = false;
    playList_ = nullptr;
    startState_.reset();
    pageState_.reset();
    UpdateNoteMarks();
}
