#include "instruments/WindDoc.h"

#include "framework/Application.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumentDrawing.h"
#include "instruments/InstrumentKind.h"
#include "instruments/InstrumentSummary.h"
#include "instruments/WindDetailsDialog.h"

CWindDoc::CWindDoc(IInstrumentHost& host) : CInstrumDoc(host)
{
    kind = kWindInstrument;
}

void CWindDoc::SetDefaults()
{
    base.SetBaseDefaults();
    wind.SetDefaults(entryText);
    base.fontHeightRatio = base.fontWidthRatio = 1.0;
    ResetFont();
    FitWindow(-1, -1);
}

void CWindDoc::LoadSettings()
{
    if (!wind.LoadSettings(*App().ports.settings, name)) {
        SetDefaults();
        return;
    }
    LoadBaseSettings();
}

void CWindDoc::SaveSettings()
{
    wind.SaveSettings(*App().ports.settings, name);
    SaveBaseSettings();
}

void CWindDoc::FitWindow(int columns, int rows)
{
    FitWindowTo(columns == -1 ? wind.DefaultColumns() : columns, rows == -1 ? wind.DefaultRows() : rows);
}

// The charts show the model's notes; they do not follow live playback.
void CWindDoc::BuildLines()
{
    if (CModelDoc* model = Model())
        DrawRecorder(wind, model->State(), Speller(), base);
}

std::string CWindDoc::DescribeMarks()
{
    return RecorderMarks(wind, CurrentSources(), Speller());
}

void CWindDoc::RunDetailsDialog()
{
    RunWindDetails(*this);
}

std::string CWindDoc::FormatRecorderState()
{
    return FormatStateString() + wind.FormatState();
}

bool CWindDoc::ParseRecorderState(const std::string& text)
{
    if (!Model() || !wind.ParseState(text, Speller()))
        return false;
    return ParseStateString(text);
}
