#include "app/LayoutKeeper.h"

#include <algorithm>

#include "app/ReferenceApp.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelRoster.h"
#include "instruments/InstrumDoc.h"
#include "text/GeneralDoc.h"
#include "text/TextFile.h"

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
    bool kept = document.kind == CStartupLayout::kTextKind || document.kind == 1 ||
                document.kind == CStartupLayout::kMidiKind;
    if (!general || !kept)
        return false;
    entry.catalogueIndex = -1;
    entry.kind = document.kind;
    entry.serial = document.serial;
    entry.ownerSerial = 0;
    entry.name = document.GetPathName().empty() ? general->section : AbsolutePath(document.GetPathName());
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
    // Files the layout reopens are not files the user has just opened.
    app_.RecentFiles().Freeze(true);
    for (LayoutEntry& entry : layout_.Entries()) {
        if (entry.kind == -1)
            break;
        CDocument* reopened = Reopen(entry, currentModel);
        modelRestored = modelRestored || (entry.kind == 1 && reopened && app_.Models().Primary());
        bool listed = entry.order >= 0 && entry.order < CStartupLayout::kCapacity;
        if (reopened)
            entry.serial = reopened->serial;
        if (listed)
            layout_.OrderList()[static_cast<std::size_t>(entry.order)] = reopened ? reopened->serial : 0;
    }
    app_.RecentFiles().Freeze(false);
    ShowUnlisted(count);
    ActivateInOrder(count);
    if (!unrestored_.empty()) {
        std::string names;
        for (const std::string& name : unrestored_)
            names += (names.empty() ? "" : ", ") + name;
        app_.MessageBox("Some windows could not be restored: " + names + ".", MessageIcon::Warning);
    }
    return modelRestored;
}

CDocument* CLayoutKeeper::Reopen(const LayoutEntry& entry, CModelDoc*& currentModel)
{
    CDocument* document = Open(entry, currentModel);
    if (!document)
        return nullptr;
    if (!ApplyState(*document, entry.state)) {
        MakeFresh(*document);
        unrestored_.push_back(entry.name);
    }
    reopened_.push_back(document);
    return document;
}

CDocument* CLayoutKeeper::Open(const LayoutEntry& entry, CModelDoc*& currentModel)
{
    if (entry.kind == CStartupLayout::kTextKind)
        return dynamic_cast<CGeneralDoc*>(app_.OpenFileByType(entry.name));
    if (entry.kind == CStartupLayout::kMidiKind)
        return app_.OpenMidiListing(entry.name);
    if (entry.kind == 1)
        return currentModel = app_.NewModel();
    bool isInstrument = entry.kind >= 2 && entry.kind <= 5;
    if (!isInstrument || !currentModel || entry.catalogueIndex < 0 ||
        entry.catalogueIndex >= app_.Instruments().Count() || app_.Instruments().NameOf(entry.catalogueIndex) != entry.name)
        return nullptr;
    return dynamic_cast<CInstrumDoc*>(currentModel->AddInstrument(entry.catalogueIndex));
}

bool CLayoutKeeper::ApplyState(CDocument& document, const std::string& state)
{
    if (auto* instrument = dynamic_cast<CInstrumDoc*>(&document))
        return instrument->ParseLayoutState(state);
    auto* general = dynamic_cast<CGeneralDoc*>(&document);
    return general && general->ParseStateString(state);
}

void CLayoutKeeper::MakeFresh(CDocument& document)
{
    if (auto* instrument = dynamic_cast<CInstrumDoc*>(&document)) {
        instrument->LoadSettings();
    } else if (auto* general = dynamic_cast<CGeneralDoc*>(&document)) {
        general->LoadSettings();
        if (document.kind == 1)
            general->placement.showCmd = SW_SHOWMAXIMIZED;  // as every new model opens
    }
}

void CLayoutKeeper::ShowUnlisted(int count)
{
    auto order = layout_.OrderList().begin();
    auto visited = order + std::min(count, CStartupLayout::kCapacity);
    for (CDocument* document : reopened_) {
        CFrame* frame = document->FirstFrame();
        if (frame && std::find(order, visited, document->serial) == visited)
            frame->Show(StoredShowCommand(*document));
    }
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
