#include "instruments/InstrumFrame.h"

#include "instruments/InstrumDoc.h"

void CInstrumFrame::OnClose()
{
    if (auto* doc = dynamic_cast<CInstrumDoc*>(Document()); doc && doc->entryIndex >= 0) {
        doc->SaveSettings();
        doc->settingsSaved = true;
    }
    CloseNow();
}
