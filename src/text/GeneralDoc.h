#pragma once
// A plain-text document, and the base of the model, MIDI and audio
// documents: a settings section that remembers font, placement and caret
// per document, and the "_Generic" layout state string.
#include <functional>
#include <optional>
#include <string>

#include "framework/Document.h"
#include "framework/Font.h"
#include "framework/Placement.h"

class CGeneralDoc : public CDocument {
public:
    // A document made while a startup layout is restored takes its settings
    // from the layout rather than from its profile.
    explicit CGeneralDoc(bool restoringLayout = false) : restoringLayout_(restoringLayout) { kind = 0; }

    std::string section;
    std::string stateString;
    LogFont font;
    WindowPlacement placement;
    bool saved = false;

    virtual void AttachProfile(const std::string& name);
    virtual void SetDefaults();
    virtual void LoadSettings();
    virtual void SaveSettings();
    virtual std::string FormatStateString();
    virtual bool ParseStateString(const std::string& text);

    void SetPathName(const std::string& path) override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    SaveAnswer AskToSave() override;
    void DiscardChanges() override;
    void OnCloseDocument() override;

    // Save and Save As of the File menu.
    bool DoSave(bool askForPath);

protected:
    // Made while a startup layout was restored.
    bool RestoringLayout() const { return restoringLayout_; }
    // The name to save under: `current`, or the user's choice when asked or
    // when there is none yet (a name without a suffix gets `suffix`); none
    // when the user cancelled.
    std::optional<std::string> ChooseSavePath(const std::string& current, bool askForPath, const std::string& suffix,
                                              const std::string& filter);
    // "Save changes to TITLE?" with Yes, No and Cancel; Yes runs save, whose
    // failure (or a cancelled file dialog) counts as Cancel.
    SaveAnswer AskSaveQuestion(const std::function<bool()>& save);
    // File > Documents lists it from now on.
    void AddToRecentFiles(const std::string& path);

private:
    bool restoringLayout_;
    void LoadFont();
    void LoadPlacement();
    void LoadCaret();
    void ApplyFont();
};

// A name typed without any suffix gets `suffix` (".txt"); any other name is kept.
std::string WithSuffix(const std::string& path, const std::string& suffix);
