#pragma once
// Saves the open documents as the startup layout at exit and reopens them
// at the next start, each instrument after its model.
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
    CDocument* Reopen(const LayoutEntry& entry, CModelDoc*& currentModel, bool& modelRestored);
    void ActivateInOrder(int count);

    CReferenceApp& app_;
    CStartupLayout layout_;
};
