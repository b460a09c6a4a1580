#include "framework/NewWindow.h"

#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"

bool OffersNewWindow(const CFrame* frame)
{
    return frame && !frame->IsDestroyed() && frame->Document() && frame->View() &&
           frame->View()->OffersNewWindow();
}

// The menu is the frame's own, which may be its document's copy of the
// template's (a model's lists its instruments).
CFrame* OpenNewWindow(CFrame& frame)
{
    if (!OffersNewWindow(&frame))
        return nullptr;
    CDocument& document = *frame.Document();
    CFrame* added = document.Template().CreateFrame(document);
    added->SetMenu(frame.GetMenu());
    added->View()->FollowView(*frame.View());
    added->View()->OnInitialUpdate();
    added->Show(SW_SHOW);
    added->Activate();
    return added;
}
