#pragma once
// A document: the data behind one or more views. Its template owns it.
#include <string>
#include <vector>

#include "framework/CommandTarget.h"

class CApplication;
class CDocTemplate;
class CFrame;
class CView;

class CDocument : public CCommandTarget {
public:
    // Every document takes the application's next serial number when it is
    // made; kind says which of the program's document kinds it is.
    int serial = 0;
    int kind = -1;

    CApplication& App() const { return *app_; }
    CDocTemplate& Template() const { return *template_; }

    const std::string& GetTitle() const { return title_; }
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return pathName_; }
    virtual void SetPathName(const std::string& path);

    const std::vector<CView*>& Views() const { return views_; }
    CView* FirstView() const { return views_.empty() ? nullptr : views_.front(); }
    CFrame* FirstFrame() const;
    void UpdateAllViews(CView* sender = nullptr, int hint = 0);

    virtual bool OnNewDocument() { return true; }
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    // The answer to the save question a document with unsaved changes asks.
    enum class SaveAnswer { Saved, Discard, Cancel };
    // Asks the question when there is something unsaved; Saved also when
    // there is nothing to ask about. Discard leaves the changes in place
    // until DiscardChanges, so an exit cancelled later loses nothing.
    virtual SaveAnswer AskToSave() { return SaveAnswer::Saved; }
    // The user chose not to save: closing asks no more.
    virtual void DiscardChanges() {}
    // Asked before the last frame closes; false keeps the document open.
    bool SaveModified();
    // Closes every frame of the document, then the document itself.
    virtual void OnCloseDocument();
    bool IsClosing() const { return closing_; }

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    void AddView(CView* view);
    void RemoveView(CView* view);

private:
    void UpdateCaptions();

    friend class CDocTemplate;
    CApplication* app_ = nullptr;
    CDocTemplate* template_ = nullptr;
    std::string title_;
    std::string pathName_;
    std::vector<CView*> views_;
    bool modified_ = false;
    bool closing_ = false;
};
