#include <ostream>
#include <string>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"

namespace {

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text)
        escaped += c == '\t' ? std::string("\\t") : std::string(1, c);
    return escaped;
}

void PrintItems(CReferenceApp& app, const CMenu& menu, int depth, std::ostream& out)
{
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    for (const MenuItem& item : menu.Items()) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            out << indent << "-\n";
            break;
        case MenuItem::Kind::Popup:
            out << indent << Escaped(item.text) << "\n";
            if (item.popup)
                PrintItems(app, *item.popup, depth + 1, out);
            break;
        case MenuItem::Kind::Command: {
            CommandState state = app.QueryCommand(item.id);
            out << indent << Escaped(item.text) << " (" << item.id << ")" << (state.checked ? " checked" : "")
                << (state.enabled ? "" : " disabled") << "\n";
            break;
        }
        }
    }
}

} // namespace

// The menu bar as the GUI shows it: each popup brought up to date and its
// items' states asked from the application, as just before it opens.
void PrintMenu(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print menu");
    MenuPtr bar = app.MenuBar();
    if (!bar)
        return;
    for (const MenuItem& item : bar->Items())
        if (item.kind == MenuItem::Kind::Popup && item.popup)
            app.PreparePopupTree(*item.popup);
    PrintItems(app, *bar, 0, out);
}
