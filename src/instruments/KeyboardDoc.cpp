#include "instruments/KeyboardDoc.h"

#include "framework/Application.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumentKind.h"
#include "instruments/InstrumentSummary.h"
#include "instruments/KeyboardDetailsDialog.h"
#include "instruments/KeyboardGraph.h"
#include "instruments/KeyboardText.h"

CKeyboardDoc::CKeyboardDoc(IInstrumentHost& host) : CInstrumDoc(host)
{
    kind = kKeyboardInstrument;
}

void CKeyboardDoc::SetDefaults()
{
    base.SetBaseDefaults();
    keyboard.SetDefaults(entryText);
    base.fontHeightRatio = base.fontWidthRatio = 1.0;
    ResetFont();
    FitWindow(-1, -1);
}

void CKeyboardDoc::LoadSettings()
{
    if (!keyboard.LoadSettings(*App().ports.settings, name)) {
        SetDefaults();
        return;
    }
    LoadBaseSettings();
}

void CKeyboardDoc::SaveSettings()
{
    keyboard.SaveSettings(*App().ports.settings, name);
    SaveBaseSettings();
}

void CKeyboardDoc::FitWindow(int columns, int rows)
{
    FitWindowTo(columns == -1 ? keyboard.DefaultColumns() : columns, rows == -1 ? keyboard.DefaultRows() : rows);
}

// The text lines are built in either view style, so that the grid can be
// printed and copied whatever the window shows; the graph size needs no
// painting.
void CKeyboardDoc::BuildLines()
{
    CModelDoc* model = Model();
    if (!model)
        return;
    DrawKeyboardText(keyboard, model->State(), noteMarks, Speller(), base);
    if (base.viewStyle == 'g') {
        PixelSize size = KeyboardGraphSize(keyboard, model->State().tonic, Speller());
        graphSize = {size.width, size.height};
    }
}

void CKeyboardDoc::Draw(IDrawingSurface& surface)
{
    CModelDoc* model = Model();
    if (!model)
        return;
    if (base.viewStyle == 'g') {
        NoteSources sources = GatherNoteSources(model->State(), base.notation, base.chordTones, base.chordset, noteMarks);
        PixelSize size = PaintKeyboardGraph(surface, keyboard, Speller(), &sources, base);
        graphSize = {size.width, size.height};
    } else if (base.viewStyle == 't') {
        BuildLines();
        DrawTextLines(surface);
    }
}

std::string CKeyboardDoc::DescribeMarks()
{
    return KeyboardMarks(keyboard, CurrentSources(), Speller(), Model()->State().accidentals);
}

void CKeyboardDoc::RunDetailsDialog()
{
    RunKeyboardDetails(*this);
}

std::string CKeyboardDoc::FormatKeyboardState()
{
    return FormatStateString() + keyboard.FormatState();
}

bool CKeyboardDoc::ParseKeyboardState(const std::string& text)
{
    if (!Model() || !keyboard.ParseState(text, Speller()))
        return false;
    return ParseStateString(text);
}
