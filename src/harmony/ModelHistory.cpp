#include "harmony/ModelHistory.h"

#include "framework/Windows.h"
#include "harmony/HistoryFile.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelHost.h"
#include "harmony/ModelRoster.h"

void CModelHistory::Load()
{
    CHistoryFile file(filePath_);
    file.Load();
    list_.Fill(file.entries);
    Mirror();
}

bool CModelHistory::Save(std::string* reason) const
{
    CHistoryFile file(filePath_);
    file.entries = list_.Items();
    return file.Save(reason);
}

bool CModelHistory::IsPrimary(CModelDoc& model)
{
    host_.Models().Adopt(model);
    return host_.Models().Primary() == &model;
}

void CModelHistory::Record(CModelDoc& model)
{
    if (IsPrimary(model) && list_.Record(model.State().HistoryEntry()))
        Mirror();
}

void CModelHistory::SetSelection(CModelDoc& model, int index)
{
    if (!IsPrimary(model))
        return;
    list_.SetSelection(index);
    Mirror();
}

int CModelHistory::GetSelection(const CModelDoc& model) const
{
    return host_.Models().SpeaksForHistory(model) ? list_.GetSelection() : -1;
}

void CModelHistory::Choose(int index)
{
    list_.SetSelection(index);
    ApplyEntry();
}

void CModelHistory::Previous()
{
    if (list_.Previous())
        ApplyEntry();
}

void CModelHistory::Next()
{
    if (list_.Next())
        ApplyEntry();
}

void CModelHistory::ApplyEntry()
{
    // A model made here loads its profile, which selects its own entry:
    // the entry the user chose is taken first.
    int selection = list_.GetSelection();
    CModelRoster& models = host_.Models();
    if (!models.Primary() && models.First())
        models.Adopt(*models.First());
    if (!models.Primary())
        host_.NewModel();
    CModelDoc* model = models.Primary();
    if (!model || list_.Count() == 0)
        return;
    list_.SetSelection(selection);
    Mirror();
    model->ApplyHistoryEntry(list_.SelectedText());
}

void CModelHistory::Mirror() const
{
    mirror_.SetHistory(list_.Items(), list_.GetSelection());
}
