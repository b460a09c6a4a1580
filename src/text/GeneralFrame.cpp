#include "text/GeneralFrame.h"

#include "text/GeneralDoc.h"

void CGeneralFrame::OnClose()
{
    if (!QueryClose())
        return;
    if (auto* doc = dynamic_cast<CGeneralDoc*>(Document())) {
        doc->SaveSettings();
        doc->saved = true;
    }
    CloseNow();
}
