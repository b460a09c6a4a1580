#include "app/ModelHistory.h"

#include "app/ReferenceApp.h"
#include "harmony/HistoryFile.h"
#include "harmony/ModelDoc.h"

void CModelHistory::Load()
{
    CHistoryFile file(app_.HomeFile(CHistoryFile::kFileName));
    file.Load();
    list_.Fill(file.entries);
    Mirror();
}

bool CModelHistory::Save() const
{
    CHistoryFile file(app_.HomeFile(CHistoryFile::kFileName));
    file.entries = list_.Items();
    return file.Save();
}

bool CModelHistory::IsPrimary(CModelDoc& model)
{
    if (!app_.primaryModel)
        app_.primaryModel = &model;
    return app_.primaryModel == &model;
}

void CModelHistory::Record(CModelDoc& model)
{
    if (IsPrimary(model) && list_.Record(model.HistoryEntry()))
        Mirror();
}

void CModelHistory::SetSelection(CModelDoc& model, int index)
{
    if (!IsPrimary(model))
        return;
    list_.SetSelection(index);
    Mirror();
}

int CModelHistory::GetSelection(CModelDoc& model)
{
    return IsPrimary(model) ? list_.GetSelection() : -1;
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
    if (!app_.primaryModel)
        app_.primaryModel = app_.FirstModel();
    if (!app_.primaryModel)
        app_.NewModel();
    CModelDoc* model = app_.primaryModel;
    if (!model || list_.Count() == 0)
        return;
    list_.SetSelection(selection);
    model->CModelState::ApplyHistoryEntry(list_.SelectedText());
    Mirror();
    model->SelectScale(model->scaleIndex);
}

void CModelHistory::Mirror() const
{
    app_.ports.windows->MainWindow().SetHistory(list_.Items(), list_.GetSelection());
}
