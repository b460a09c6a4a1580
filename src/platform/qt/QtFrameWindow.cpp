#include "platform/qt/QtFrameWindow.h"

#include <algorithm>
#include <vector>

#include <QLayout>
#include <QMdiArea>
#include <QShortcut>
#include <QStyle>

#include "framework/Frame.h"
#include "framework/View.h"
#include "platform/qt/ActivationGuard.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/FrameSubWindow.h"
#include "platform/qt/PlacementMapping.h"
#include "platform/qt/TextEditor.h"

QtFrameWindow::QtFrameWindow(CFrame& frame, ViewKind kind, FrameWindowContext context)
    : context_(context), sub_(new FrameSubWindow(&frame, context.router))
{
    ViewLink link(frame.View(), context.menus);
    if (kind == ViewKind::Text) {
        text_ = new TextEditor(link);
        sub_->setWidget(text_);
        // The caption's "[*]" shows while the text has unsaved changes,
        // whichever document the editor shows (New Window shares one).
        QObject::connect(text_, &TextEditor::ModifiedChanged, sub_, &QWidget::setWindowModified);
    } else {
        canvas_ = new DrawingCanvas(link, context.images);
        sub_->setWidget(canvas_);
    }
    if (frame.View())
        sub_->widget()->setWhatsThis(QString::fromStdString(frame.View()->WhatsThis()));
    ActivationGuard::Scope scope(context_.guard);
    int windowsBefore = static_cast<int>(context_.area.subWindowList().size());
    context_.area.addSubWindow(sub_);
    sub_->hide();
    // Left alone the window would take its view's small size hint and a
    // place beside the others, partly outside the area; a stored placement
    // or a fitted view replaces this later.
    QSize area = context_.area.isVisible() ? context_.area.viewport()->size() : QSize();
    QSize size = DefaultChildSize(area);
    sub_->setGeometry(QRect(DefaultChildPosition(windowsBefore, size, area), size));
}

QtFrameWindow::~QtFrameWindow()
{
    Destroy();
}

QAbstractScrollArea* QtFrameWindow::Content() const
{
    if (text_)
        return text_;
    return canvas_;
}

void QtFrameWindow::Show(int showCmd)
{
    if (!sub_)
        return;
    ActivationGuard::Scope scope(context_.guard);
    if (showCmd == SW_SHOW && sub_->isHidden()) {
        showCmd = pendingShowCmd_;
        pendingShowCmd_ = SW_SHOW;
    }
    ApplyState(showCmd);
}

void QtFrameWindow::ApplyState(int showCmd)
{
    switch (showCmd) {
    case SW_HIDE: sub_->hide(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: sub_->showMinimized(); break;
    case SW_SHOWMAXIMIZED: sub_->showMaximized(); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: sub_->showNormal(); break;
    default: sub_->show(); break;
    }
    sub_->KeepInsideArea();
}

void QtFrameWindow::Activate()
{
    if (!sub_ || sub_->isHidden())
        return;
    ActivationGuard::Scope scope(context_.guard);
    context_.area.setActiveSubWindow(sub_);
    if (QWidget* content = Content())
        content->setFocus();
}

// The window may be the one whose event is being handled, so it is only
// cut loose and hidden now, and deleted from the event loop.
void QtFrameWindow::Destroy()
{
    if (!sub_)
        return;
    ActivationGuard::Scope scope(context_.guard);
    sub_->Detach();
    if (text_)
        text_->Link().Detach();
    if (canvas_)
        canvas_->Link().Detach();
    sub_->hide();
    sub_->deleteLater();
    sub_.clear();
}

void QtFrameWindow::SetCaption(const std::string& caption)
{
    if (!sub_)
        return;
    QString title = QString::fromStdString(caption);
    // A screen reader names the window and its content by the plain title.
    sub_->setAccessibleName(title);
    if (text_)
        text_->setAccessibleName(title);
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));  // a file's own brackets stay text
    if (text_)
        title += QStringLiteral("[*]");
    sub_->setWindowTitle(title);
}

WindowPlacement QtFrameWindow::GetPlacement() const
{
    WindowPlacement placement;
    if (!sub_)
        return placement;
    placement.normal = FromQRect(sub_->NormalGeometry());
    placement.showCmd = ShowCmdOf(sub_->windowState());
    return placement;
}

void QtFrameWindow::SetPlacement(const WindowPlacement& placement)
{
    if (!sub_)
        return;
    ActivationGuard::Scope scope(context_.guard);
    QRect geometry = PlaceAmongOthers(SaneGeometry(placement.normal));
    if (sub_->isHidden()) {
        sub_->SetNormalGeometry(geometry);
        pendingShowCmd_ = static_cast<int>(placement.showCmd);
        return;
    }
    sub_->showNormal();
    sub_->SetNormalGeometry(geometry);
    ApplyState(static_cast<int>(placement.showCmd));
}

QSize QtFrameWindow::AreaSize() const
{
    return context_.area.isVisible() ? context_.area.viewport()->size() : QSize();
}

// Off the top-left corners of the other shown windows by a title bar's
// height, and inside the area.
QRect QtFrameWindow::PlaceAmongOthers(QRect geometry) const
{
    std::vector<QPoint> taken;
    for (QMdiSubWindow* other : context_.area.subWindowList())
        if (other != sub_ && !other->isHidden() && !other->isMinimized() && !other->isMaximized())
            taken.push_back(other->geometry().topLeft());
    int step = sub_->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub_);
    return FreePlace(geometry, taken, std::max(1, step), AreaSize());
}

bool QtFrameWindow::IsVisible() const
{
    return sub_ && !sub_->isHidden();
}

ITextControl* QtFrameWindow::TextControl()
{
    return text_.data();
}

void QtFrameWindow::SetScrollSizes(Size total, Size line)
{
    if (canvas_)
        canvas_->SetScrollSizes(total, line);
}

void QtFrameWindow::ScrollTo(int x, int y)
{
    if (canvas_)
        canvas_->ScrollTo(x, y);
}

void QtFrameWindow::GetScrollPosition(int& x, int& y) const
{
    x = y = 0;
    if (canvas_)
        canvas_->GetScrollPosition(x, y);
}

Size QtFrameWindow::ClientSize() const
{
    QAbstractScrollArea* content = Content();
    if (!content)
        return {};
    QSize size = content->viewport()->size();
    return Size{size.width(), size.height()};
}

void QtFrameWindow::ShowScrollBars(bool vertical, bool horizontal)
{
    if (text_)
        text_->ShowScrollBars(vertical, horizontal);
    if (canvas_)
        canvas_->ShowScrollBars(vertical, horizontal);
}

void QtFrameWindow::Invalidate()
{
    if (QAbstractScrollArea* content = Content())
        content->viewport()->update();
    if (canvas_)
        canvas_->ContentMayHaveChanged();
}

// The frame's decoration is whatever the window is larger than its view's
// visible area; layouts must be current for that difference to be right.
void QtFrameWindow::FitClient(Size client)
{
    QAbstractScrollArea* content = Content();
    if (!sub_ || !content)
        return;
    sub_->ensurePolished();
    if (QLayout* layout = sub_->layout())
        layout->activate();
    QSize extra = sub_->size() - content->viewport()->size();
    QRect fitted(sub_->pos(), QSize(client.cx, client.cy) + extra);
    if (sub_->isMaximized() || sub_->isMinimized())
        sub_->resize(fitted.size());
    else
        sub_->setGeometry(InsideArea(fitted, AreaSize()));
}

// The keys act while focus is anywhere inside this window.
void QtFrameWindow::SetAccelerators(const AcceleratorTable& table)
{
    if (!sub_)
        return;
    for (const Accelerator& accelerator : table) {
        QKeySequence keys = QKeySequence::fromString(QString::fromStdString(accelerator.keys), QKeySequence::PortableText);
        if (keys.isEmpty())
            continue;
        auto* shortcut = new QShortcut(keys, sub_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        CommandRouter* router = &context_.router;
        int id = accelerator.id;
        QObject::connect(shortcut, &QShortcut::activated, shortcut, [router, id] { router->Post(id); });
    }
}
