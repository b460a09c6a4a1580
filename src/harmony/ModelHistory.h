#pragma once
// The History box: every change of the primary model becomes an entry;
// entries replay into the primary model. The main window's drop-down list
// mirrors the list kept here.
#include <string>

#include "harmony/HistoryList.h"

class CModelDoc;
class IMainWindow;
class IModelHost;

class CModelHistory {
public:
    // filePath is "HISTORY.USE" in the program's home; mirror shows the box.
    CModelHistory(IModelHost& host, IMainWindow& mirror, std::string filePath)
        : host_(host), mirror_(mirror), filePath_(std::move(filePath)) {}

    // Fills the box from the file (missing: an empty box).
    void Load();
    // Writes the box to the file; false, with the reason, when it could not
    // be written.
    bool Save(std::string* reason = nullptr) const;
    const std::string& FilePath() const { return filePath_; }

    void Record(CModelDoc& model);
    void SetSelection(CModelDoc& model, int index);
    // The primary model's selection, -1 for any other model.
    int GetSelection(const CModelDoc& model) const;
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

    IModelHost& host_;
    IMainWindow& mirror_;
    std::string filePath_;
    CHistoryList list_;
};
