#include "text/FindReplace.h"

#include "framework/Application.h"
#include "framework/TextControl.h"

namespace {

constexpr int kFindWhat = 1152;
constexpr int kReplaceWith = 1153;

DialogData SearchDialog(const std::string& caption, const std::string& lastSearch, bool withReplace)
{
    DialogData dialog;
    dialog.caption = caption;
    dialog.Add(kFindWhat, DialogControl::Kind::Edit, "Find what:").text = lastSearch;
    if (withReplace)
        dialog.Add(kReplaceWith, DialogControl::Kind::Edit, "Replace with:");
    return dialog;
}

} // namespace

std::size_t FindNext(const std::string& text, const std::string& what, std::size_t from)
{
    if (what.empty())
        return std::string::npos;
    std::size_t found = text.find(what, from);
    return found != std::string::npos ? found : text.find(what);
}

int ReplaceAll(std::string& text, const std::string& what, const std::string& with)
{
    if (what.empty())
        return 0;
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
        ++count;
    }
    return count;
}

void RunFind(CApplication& app, ITextControl& control, std::string& lastSearch)
{
    DialogData dialog = SearchDialog("Find", lastSearch, false);
    if (app.ports.prompts->RunDialog(dialog) != IDOK)
        return;
    lastSearch = dialog.Find(kFindWhat)->text;
    int start = 0, end = 0;
    control.GetSelection(start, end);
    std::size_t found = FindNext(control.GetText(), lastSearch, static_cast<std::size_t>(end));
    if (found == std::string::npos) {
        app.MessageBox("Cannot find \"" + lastSearch + "\".", MessageIcon::Information);
        return;
    }
    control.SetSelection(static_cast<int>(found), static_cast<int>(found + lastSearch.size()));
}

void RunReplace(CApplication& app, ITextControl& control, std::string& lastSearch)
{
    DialogData dialog = SearchDialog("Replace", lastSearch, true);
    if (app.ports.prompts->RunDialog(dialog) != IDOK)
        return;
    lastSearch = dialog.Find(kFindWhat)->text;
    std::string text = control.GetText();
    int count = ReplaceAll(text, lastSearch, dialog.Find(kReplaceWith)->text);
    if (count > 0) {
        control.SetText(text);
        control.SetModified(true);
    }
    app.MessageBox(std::to_string(count) + (count == 1 ? " occurrence" : " occurrences") + " of \"" +
                       lastSearch + "\" replaced.",
                   MessageIcon::Information);
}
