#include "text/GeneralDoc.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/Application.h"
#include "framework/FontSettings.h"
#include "framework/Frame.h"
#include "framework/TextControl.h"
#include "framework/View.h"
#include "text/TextFile.h"

void CGeneralDoc::AttachProfile(const std::string& name)
{
    if (!name.empty()) {
        section = name;
        if (!restoringLayout_)
            LoadSettings();
    } else {
        section = GetTitle();
        SetDefaults();
    }
}

void CGeneralDoc::SetDefaults()
{
    font = App().ports.fonts->FixedOemFont();
    ApplyFont();
}

void CGeneralDoc::LoadSettings()
{
    ISettings& settings = *App().ports.settings;
    if (settings.GetInt(section, "Type", -1) != kind) {
        SetDefaults();
        return;
    }
    LoadFont();
    LoadPlacement();
    LoadCaret();
}

void CGeneralDoc::LoadFont()
{
    font = ReadLogFont(*App().ports.settings, section, App().ports.fonts->SystemFont(), "System");
    ApplyFont();
}

void CGeneralDoc::LoadPlacement()
{
    ISettings& s = *App().ports.settings;
    const WindowPlacement defaults;
    placement.normal.left = s.GetInt(section, "Left", defaults.normal.left);
    placement.normal.top = s.GetInt(section, "Top", defaults.normal.top);
    placement.normal.right = s.GetInt(section, "Right", defaults.normal.right);
    placement.normal.bottom = s.GetInt(section, "Bottom", defaults.normal.bottom);
    placement.showCmd = s.GetInt(section, "ShowCmd", SW_SHOWNORMAL);
    if (!IsShowablePlacement(placement))
        placement = defaults;
    if (CFrame* frame = FirstFrame(); frame && frame->Window())
        frame->Window()->SetPlacement(placement);
}

void CGeneralDoc::LoadCaret()
{
    ISettings& s = *App().ports.settings;
    CView* view = FirstView();
    ITextControl* text = view ? view->TextControl() : nullptr;
    if (!text)
        return;
    text->ScrollLines(s.GetInt(section, "FirstLine", 0));
    text->SetSelection(s.GetInt(section, "StartPos", 0), s.GetInt(section, "EndPos", 0));
}

void CGeneralDoc::ApplyFont()
{
    CView* view = FirstView();
    if (ITextControl* text = view ? view->TextControl() : nullptr)
        text->SetFont(font);
}

void CGeneralDoc::SaveSettings()
{
    if (section.empty())
        return;  // never attached to a profile: nothing of its own to remember
    ISettings& s = *App().ports.settings;
    s.WriteInt(section, "Type", kind);
    CView* view = FirstView();
    if (ITextControl* text = view ? view->TextControl() : nullptr) {
        int start = 0, end = 0;
        text->GetSelection(start, end);
        s.WriteInt(section, "FirstLine", text->FirstVisibleLine());
        s.WriteInt(section, "StartPos", start);
        s.WriteInt(section, "EndPos", end);
    }
    if (CFrame* frame = FirstFrame(); frame && frame->Window())
        placement = frame->Window()->GetPlacement();
    s.WriteInt(section, "Left", placement.normal.left);
    s.WriteInt(section, "Top", placement.normal.top);
    s.WriteInt(section, "Right", placement.normal.right);
    s.WriteInt(section, "Bottom", placement.normal.bottom);
    s.WriteInt(section, "ShowCmd", static_cast<int>(placement.showCmd));
    WriteLogFont(s, section, font);
    s.Flush();
}

void CGeneralDoc::SetPathName(const std::string& path)
{
    CDocument::SetPathName(path);
    if (UpperCase(path).find("TUTORIAL.MVE") != std::string::npos) {
        SetTitle("Tutorial");
        return;  // the tutorial is always one menu item away
    }
    AddToRecentFiles(path);
}

void CGeneralDoc::AddToRecentFiles(const std::string& path)
{
    App().RecentFiles().Add(AbsolutePath(path));
}

bool CGeneralDoc::OnOpenDocument(const std::string& path)
{
    std::string content;
    if (!ReadWholeFile(path, content)) {
        App().MessageBox("Cannot open the file " + path + ".", MessageIcon::Warning);
        return false;
    }
    CView* view = FirstView();
    if (ITextControl* text = view ? view->TextControl() : nullptr) {
        text->SetText(content);
        text->SetModified(false);
    }
    SetPathName(path);
    return true;
}

bool CGeneralDoc::OnSaveDocument(const std::string& path)
{
    CView* view = FirstView();
    ITextControl* text = view ? view->TextControl() : nullptr;
    if (!text || !WriteWholeFile(path, text->GetText())) {
        App().MessageBox("Cannot save the file " + path + ".", MessageIcon::Warning);
        return false;
    }
    text->SetModified(false);
    CDocument::OnSaveDocument(path);
    section = path;
    SaveSettings();
    return true;
}

std::string WithSuffix(const std::string& path, const std::string& suffix)
{
    std::string name = std::filesystem::path(path).filename().string();
    return name.empty() || name.find('.') != std::string::npos ? path : path + suffix;
}

std::optional<std::string> CGeneralDoc::ChooseSavePath(const std::string& current, bool askForPath,
                                                       const std::string& suffix, const std::string& filter)
{
    if (!askForPath && !current.empty())
        return current;
    // An untitled document proposes its title as the name.
    std::string proposed = current.empty() ? GetTitle() + suffix : current;
    auto chosen = App().ports.prompts->ChooseFile(FileDialogRequest{false, "Save As", filter, proposed});
    if (!chosen)
        return std::nullopt;
    return WithSuffix(*chosen, suffix);
}

bool CGeneralDoc::DoSave(bool askForPath)
{
    auto path = ChooseSavePath(GetPathName(), askForPath, ".txt", "Text files (*.txt)|*.txt|All files (*.*)|*.*");
    return path && OnSaveDocument(*path);
}

CDocument::SaveAnswer CGeneralDoc::AskToSave()
{
    CView* view = FirstView();
    ITextControl* text = view ? view->TextControl() : nullptr;
    if (!text || !text->IsModified() || kind != 0)
        return SaveAnswer::Saved;
    return AskSaveQuestion([this] { return DoSave(false); });
}

CDocument::SaveAnswer CGeneralDoc::AskSaveQuestion(const std::function<bool()>& save)
{
    int answer = App().MessageBox("Save changes to " + GetTitle() + "?", MessageIcon::Question,
                                  MessageButtons::YesNoCancel);
    if (answer == IDNO)
        return SaveAnswer::Discard;
    return answer == IDYES && save() ? SaveAnswer::Saved : SaveAnswer::Cancel;
}

// The user chose to discard: closing asks no more.
void CGeneralDoc::DiscardChanges()
{
    CView* view = FirstView();
    if (ITextControl* text = view ? view->TextControl() : nullptr)
        text->SetModified(false);
}

void CGeneralDoc::OnCloseDocument()
{
    if (IsClosing())
        return;
    if (!saved)
        SaveSettings();
    saved = true;
    CDocument::OnCloseDocument();
}
