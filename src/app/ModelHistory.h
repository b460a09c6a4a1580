#pragma once
// The History box: every change of the primary model becomes an entry;
// entries replay into the primary model. The main window's drop-down list
// mirrors the list kept here.
#include "harmony/HistoryList.h"

class CModelDoc;
class CReferenceApp;

class CModelHistory {
public:
    explicit CModelHistory(CReferenceApp& app) : app_(app) {}

    // Fills the box from "HISTORY.USE" (missing: an empty box).
    void Load();
    // Writes the box to "HISTORY.USE"; false when the file could not be written.
    bool Save() const;

    void Record(CModelDoc& model);
    void SetSelection(CModelDoc& model, int index);
    int GetSelection(CModelDoc& model);
    // The user chose an entry in the box.
    void Choose(int index);
    void Previous();
    void Next();
    // Puts the selected entry into the primary model.
    void ApplyEntry();

    const CHistoryList& List() const { return list_; }

private:
    bool IsPrimary(CModelDoc& model);
    void Mirror() const;

    CReferenceApp& app_;
    CHistoryList list_;
};
