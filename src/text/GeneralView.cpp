#include "text/GeneralView.h"

#include <cstring>

#include "framework/Application.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/TextControl.h"
#include "text/FindReplace.h"
#include "text/GeneralDoc.h"

CGeneralView::CGeneralView()
{
    auto edit = [this](int id) {
        if (ITextControl* text = TextControl())
            text->EditCommand(id);
    };
    // A read-only text (the model's report) can be copied but not changed.
    auto writable = [this](int, CommandState& state) {
        ITextControl* text = TextControl();
        state.enabled = text && !text->IsReadOnly();
    };
    for (int id : {ID_EDIT_COPY, ID_EDIT_SELECT_ALL})
        OnRange(id, id, edit);
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_CLEAR})
        OnRange(id, id, edit, writable);
    On(ID_VIEW_FONT, [this] { OnFont(); });
    On(ID_EDIT_FIND, [this] {
        if (ITextControl* text = TextControl())
            RunFind(GetDocument()->App(), *text, lastSearch_);
    });
    OnRange(ID_EDIT_REPLACE, ID_EDIT_REPLACE, [this](int) {
        if (ITextControl* text = TextControl())
            RunReplace(GetDocument()->App(), *text, lastSearch_);
    }, writable);
    On(ID_SCROLL_NONE, [this] { ShowScrollBars(false, false); });
    On(ID_SCROLL_VERTICAL, [this] { ShowScrollBars(true, horizontal_); });
    On(ID_SCROLL_HORIZONTAL, [this] { ShowScrollBars(vertical_, true); });
    On(ID_SCROLL_BOTH, [this] { ShowScrollBars(true, true); });
    On(ID_FILE_SAVE, [this] {
        if (CGeneralDoc* doc = Doc())
            doc->DoSave(false);
    });
    On(ID_FILE_SAVE_AS, [this] {
        if (CGeneralDoc* doc = Doc())
            doc->DoSave(true);
    });
}

CGeneralDoc* CGeneralView::Doc() const
{
    return dynamic_cast<CGeneralDoc*>(GetDocument());
}

void CGeneralView::OnFont()
{
    CGeneralDoc* doc = Doc();
    if (!doc)
        return;
    LogFont chosen = doc->font.faceName.empty() ? doc->App().ports.fonts->SystemFont() : doc->font;
    if (!doc->App().ports.prompts->ChooseFont(chosen, FontFilter::Any))
        return;
    doc->font = chosen;
    for (CView* view : doc->Views())
        if (ITextControl* text = view->TextControl())
            text->SetFont(chosen);
    doc->UpdateAllViews(this);
}

void CGeneralView::FollowView(CView& original)
{
    ITextControl* mine = TextControl();
    ITextControl* theirs = original.TextControl();
    if (!mine || !theirs)
        return;
    mine->ShareText(*theirs);
    mine->SetReadOnly(theirs->IsReadOnly());
    if (CGeneralDoc* doc = Doc())
        mine->SetFont(doc->font);
}

void CGeneralView::ShowScrollBars(bool vertical, bool horizontal)
{
    vertical_ = vertical;
    horizontal_ = horizontal;
    if (ITextControl* text = TextControl())
        text->ShowScrollBars(vertical, horizontal);
}

void CGeneralView::OnDoubleClick()
{
    ITextControl* text = TextControl();
    if (!text)
        return;
    int start = 0, end = 0;
    text->GetSelection(start, end);
    std::string all = text->GetText();
    if (start < 0 || end > static_cast<int>(all.size()) || start >= end)
        return;
    SelectWordWithin(all.substr(start, end - start), start, end);
    text->SetSelection(start, end);
}

MenuPtr CGeneralView::ContextMenu()
{
    MenuPtr menu = GetDocument()->Template().ContextMenu();
    return menu ? menu->FirstPopup() : nullptr;
}

bool CGeneralView::MakePrintJob(PrintJob& job)
{
    ITextControl* text = TextControl();
    CGeneralDoc* doc = Doc();
    if (!text || !doc)
        return false;
    job.title = doc->GetTitle();
    job.text = text->GetText();
    job.font = doc->font;
    return true;
}

static bool IsBreakCharacter(char c)
{
    return c != '\0' && std::strchr(" \r\t\n()<>{}[]/\\+=-|,'\";:`&*!%?", c) != nullptr;
}

void SelectWordWithin(const std::string& selected, int& start, int& end)
{
    int length = static_cast<int>(selected.size());
    if (length < 2)
        return;
    int i = 0;
    while (i <= length - 2 && IsBreakCharacter(selected[i]))
        ++i;
    if (i > length - 2)
        return;
    int j = i;
    while (j < length && !IsBreakCharacter(selected[j]))
        ++j;
    end = start + j;
    start += i;
}

std::string CGeneralView::WhatsThis() const
{
    return "A text window: type, cut, copy and paste as in any editor; Save keeps the file, and the "
           "font, caret and place of the window are remembered for the next time the file is opened.";
}
