#include "platform/qt/CanvasContent.h"

#include "framework/View.h"

CanvasContent ReadCanvasContent(CView& view)
{
    CanvasContent content;
    content.role = view.AccessRole();
    content.name = QString::fromStdString(view.AccessibleName());
    content.summary = QString::fromStdString(view.AccessibleSummary());
    for (const std::string& line : view.AccessibleLines())
        content.lines.append(QString::fromStdString(line));
    content.text = content.lines.join(QLatin1Char('\n'));
    return content;
}
