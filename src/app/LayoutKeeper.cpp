#include "app/LayoutKeeper.h"

#include <algorithm>

#include "app/ReferenceApp.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelRoster.h"
#include "instruments/InstrumDoc.h"
#include "text/GeneralDoc.h"

namespace {

// The show command the document's state string brought back.
int StoredShowCommand(CDocument& document)
{
    if (auto* general = dynamic_cast<CGeneralDoc*>(&document))
        return static_cast<int>(general->placement.showCmd);
    if (auto* instrument = dynamic_cast<CInstrumDoc*>(&document))
        return static_cast<int>(instrument->base.placement.showCmd);
    return SW_SHOW;
}

} // namespace

bool CLayoutKeeper::Describe(CDocument& document, LayoutEntry& entry) const
{
    if (document.IsClosing())
        return false;
    if (auto* instrument = dynamic_cast<CInstrumDoc*>(&document)) {
        if (!instrument->Model())
            return false;
        entry.catalogueIndex = instrument->entryIndex;
        entry.kind = document.kind;
        entry.serial = document.serial;
        entry.ownerSerial = instrument->Model()->serial;
        entry.name = instrument->name;
        entry.state = instrument->FormatLayoutState();
        return true;
    }
    auto* general = dynamic_cast<CGeneralDoc*>(&document);
    if (!general || document.kind < 0 || document.kind > 1)
        return false;
    entry.catalogueIndex = -1;
    entry.kind = document.kind;
    entry.serial = document.serial;
    entry.ownerSerial = 0;
    entry.name = general->section;
    entry.state = general->FormatStateString();
    return true;
}

bool CLayoutKeeper::SaveLayout(std::string* reason)
{
    layout_.Reset();
    for (int position = 0; position < app_.TemplateCount(); ++position)
        for (CDocument* document : app_.Template(position)->Documents()) {
            LayoutEntry entry;
            if (Describe(*document, entry))
                layout_.Add(entry);
        }
    return layout_.Save(app_.WritableFile(CStartupLayout::kFileName), reason);
}

bool CLayoutKeeper::RestoreLayout()
{
    if (!layout_.Load(app_.HomeFile(CStartupLayout::kFileName)))
        return false;
    CModelDoc* currentModel = nullptr;
    bool modelRestored = false;
    int count = static_cast<int>(layout_.Entries().size());
    for (LayoutEntry& entry : layout_.Entries()) {
        if (entry.kind == -1)
            break;
        CDocument* reopened = Reopen(entry, currentModel, modelRestored);
        bool listed = entry.order >= 0 && entry.order < CStartupLayout::kCapacity;
        if (reopened)
            entry.serial = reopened->serial;
        if (listed)
            layout_.OrderList()[static_cast<std::size_t>(entry.order)] = reopened ? reopened->serial : 0;
    }
    ActivateInOrder(count);
    return modelRestored;
}

CDocument* CLayoutKeeper::Reopen(const LayoutEntry& entry, CModelDoc*& currentModel, bool& modelRestored)
{
    if (entry.kind == 0) {
        auto* text = dynamic_cast<CGeneralDoc*>(app_.OpenFileByType(entry.name));
        if (text)
            text->ParseStateString(entry.state);
        return text;
    }
    if (entry.kind == 1) {
        currentModel = app_.NewModel();
        if (!currentModel)
            return nullptr;
        currentModel->ParseStateString(entry.state);
        if (app_.Models().Primary())
            modelRestored = true;
        return currentModel;
    }
    bool isInstrument = entry.kind >= 2 && entry.kind <= 5;
    if (!isInstrument || !currentModel || entry.catalogueIndex < 0 ||
        entry.catalogueIndex >= app_.Instruments().Count() || app_.Instruments().NameOf(entry.catalogueIndex) != entry.name)
        return nullptr;
    auto* instrument = dynamic_cast<CInstrumDoc*>(currentModel->AddInstrument(entry.catalogueIndex));
    if (instrument)
        instrument->ParseLayoutState(entry.state);
    return instrument;
}

// From the last file entry to the first, so the first ends up active.
void CLayoutKeeper::ActivateInOrder(int count)
{
    for (int position = std::min(count, CStartupLayout::kCapacity) - 1; position >= 0; --position) {
        int serial = layout_.OrderList()[static_cast<std::size_t>(position)];
        if (serial <= 0)
            continue;
        for (CDocument* document : app_.AllDocuments()) {
            if (document->serial != serial || !document->FirstFrame())
                continue;
            CFrame* frame = document->FirstFrame();
            frame->Show(StoredShowCommand(*document));
            frame->Activate();
        }
    }
}
