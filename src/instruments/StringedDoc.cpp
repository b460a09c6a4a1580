#include "instruments/StringedDoc.h"

#include "framework/Application.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumentDrawing.h"
#include "instruments/InstrumentKind.h"
#include "instruments/InstrumentSummary.h"
#include "instruments/StringedDetailsDialog.h"

CStringedDoc::CStringedDoc(IInstrumentHost& host) : CInstrumDoc(host)
{
    kind = kStringedInstrument;
}

void CStringedDoc::SetDefaults()
{
    base.SetBaseDefaults();
    stringed.SetDefaults(entryText);
    base.fontHeightRatio = base.fontWidthRatio = 1.0;
    ResetFont();
    FitWindow(-1, -1);
}

void CStringedDoc::LoadSettings()
{
    if (!stringed.LoadSettings(*App().ports.settings, name)) {
        SetDefaults();
        return;
    }
    LoadBaseSettings();
}

void CStringedDoc::SaveSettings()
{
    stringed.SaveSettings(*App().ports.settings, name);
    SaveBaseSettings();
}

void CStringedDoc::FitWindow(int columns, int rows)
{
    FitWindowTo(columns == -1 ? stringed.DefaultColumns() : columns, rows == -1 ? stringed.DefaultRows() : rows);
}

void CStringedDoc::BuildLines()
{
    if (CModelDoc* model = Model())
        DrawStringed(stringed, model->State(), noteMarks, Speller(), base);
}

std::string CStringedDoc::DescribeMarks()
{
    return StringedMarks(stringed, CurrentSources(), Speller());
}

void CStringedDoc::RunDetailsDialog()
{
    RunStringedDetails(*this);
}

std::string CStringedDoc::FormatStringedState()
{
    return FormatStateString() + stringed.FormatState();
}

bool CStringedDoc::ParseStringedState(const std::string& text)
{
    if (!Model() || !stringed.ParseState(text, Speller()))
        return false;
    return ParseStateString(text);
}
