#include "platform/qt/CanvasAccessible.h"

#include <algorithm>

#include "platform/qt/DrawingCanvas.h"

namespace {

// One line of the listing; it lives as long as the list's interface.
class LineItemAccessible : public QAccessibleInterface {
public:
    LineItemAccessible(DrawingCanvas* canvas, int index) : canvas_(canvas), index_(index) {}

    bool isValid() const override { return canvas_ && index_ < canvas_->Content().lines.size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent() ? Parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override { return Parent(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    QRect rect() const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        return canvas_->Content().lines.at(index_);
    }

private:
    QAccessibleInterface* Parent() const { return canvas_ ? QAccessible::queryAccessibleInterface(canvas_) : nullptr; }

    QPointer<DrawingCanvas> canvas_;
    int index_;
};

} // namespace

CanvasAccessible::CanvasAccessible(DrawingCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Graphic) {}

CanvasAccessible::~CanvasAccessible()
{
    for (QAccessible::Id id : std::as_const(items_))
        QAccessible::deleteAccessibleInterface(id);
}

DrawingCanvas* CanvasAccessible::Canvas() const
{
    return static_cast<DrawingCanvas*>(widget());
}

bool CanvasAccessible::IsList() const
{
    return Canvas()->Content().role == AccessibleRole::List;
}

QAccessible::Role CanvasAccessible::role() const
{
    return IsList() ? QAccessible::List : QAccessible::Graphic;
}

QString CanvasAccessible::text(QAccessible::Text t) const
{
    const CanvasContent& content = Canvas()->Content();
    switch (t) {
    case QAccessible::Name: return content.name;
    case QAccessible::Description: return content.summary;
    case QAccessible::Value: return IsList() ? QString() : content.text;
    default: return QAccessibleWidget::text(t);
    }
}

// The list's items are its children; a picture has none (its scroll bars
// are the scroll area's business, not the reader's).
int CanvasAccessible::childCount() const
{
    return IsList() ? static_cast<int>(Canvas()->Content().lines.size()) : 0;
}

QAccessibleInterface* CanvasAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto found = items_.constFind(index);
    if (found != items_.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* item = new LineItemAccessible(Canvas(), index);
    items_.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int CanvasAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (auto it = items_.constBegin(); it != items_.constEnd(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    return -1;
}

void* CanvasAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface && !IsList())
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void CanvasAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString CanvasAccessible::text(int startOffset, int endOffset) const
{
    const QString& text = Canvas()->Content().text;
    startOffset = std::clamp(startOffset, 0, static_cast<int>(text.size()));
    endOffset = std::clamp(endOffset, startOffset, static_cast<int>(text.size()));
    return text.mid(startOffset, endOffset - startOffset);
}

int CanvasAccessible::characterCount() const
{
    return static_cast<int>(Canvas()->Content().text.size());
}

QString CanvasAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

QAccessibleInterface* CanvasAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("DrawingCanvas"))
        if (auto* canvas = qobject_cast<DrawingCanvas*>(object))
            return new CanvasAccessible(canvas);
    return nullptr;
}

void InstallCanvasAccessibility()
{
    static const bool installed = (QAccessible::installFactory(CanvasAccessibleFactory), true);
    (void)installed;
}
