#pragma once
// Saves the open documents as the startup layout at exit and reopens them
// at the next start, each instrument after its model.
#include <string>
#include <vector>

#include "app/StartupLayout.h"

class CDocument;
class CModelDoc;
class CReferenceApp;

class CLayoutKeeper {
public:
    explicit CLayoutKeeper(CReferenceApp& app) : app_(app) {}

    // Collects the text, model and instrument documents and writes the file;
    // false, with the reason, when it could not be written.
    bool SaveLayout(std::string* reason = nullptr);
    // Reopens the file's documents; false when the file cannot be read or no
    // model came back while a primary model is in place.
    bool RestoreLayout();

private:
    // The document's entry; false for kinds a layout does not keep.
    bool Describe(CDocument& document, LayoutEntry& entry) const;
    CDocument* Reopen(const LayoutEntry& entry, CModelDoc*& currentModel);
    // The entry's window, before its state is applied; null when it cannot
    // open (a file gone, an instrument without its model or catalogue entry).
    CDocument* Open(const LayoutEntry& entry, CModelDoc*& currentModel);
    static bool ApplyState(CDocument& document, const std::string& state);
    // A state string that does not parse leaves the document as one opened
    // from the menus starts: its profile, or its defaults.
    static void MakeFresh(CDocument& document);
    void ActivateInOrder(int count);
    // Documents no visited order position names (an entry number out of
    // range, past the entry count or given twice) are shown all the same.
    void ShowUnlisted(int count);

    CReferenceApp& app_;
    CStartupLayout layout_;
    std::vector<CDocument*> reopened_;
    // The names of the entries whose state string did not parse.
    std::vector<std::string> unrestored_;
};
