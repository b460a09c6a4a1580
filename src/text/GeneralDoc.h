#pragma once
// A plain-text document, and the base of the model, MIDI and audio
// documents: a settings section that remembers font, placement and caret
// per document, and the "_Generic" layout state string.
#include <string>

#include "framework/Document.h"
#include "framework/Font.h"
#include "framework/Placement.h"

class CReferenceApp;

class CGeneralDoc : public CDocument {
public:
    CGeneralDoc() { kind = 0; }

    std::string section;
    std::string stateString;
    LogFont font;
    WindowPlacement placement;
    bool saved = false;

    CReferenceApp& RefApp() const;

    virtual void AttachProfile(const std::string& name);
    virtual void SetDefaults();
    virtual void LoadSettings();
    virtual void SaveSettings();
    virtual std::string FormatStateString();
    virtual bool ParseStateString(const std::string& text);

    void SetPathName(const std::string& path) override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    bool SaveModified() override;
    void OnCloseDocument() override;

    // Save and Save As of the File menu.
    bool DoSave(bool askForPath);

private:
    void LoadFont();
    void LoadPlacement();
    void LoadCaret();
    void ApplyFont();
};
