#pragma once
// A drawn view: a scrolling area whose paint requests call the core view's
// draw step with a drawing surface.
#include <QAbstractScrollArea>

#include <optional>

#include "framework/Windows.h"
#include "platform/qt/CanvasContent.h"
#include "platform/qt/ViewLink.h"

class ImageStore;

class DrawingCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    DrawingCanvas(ViewLink link, ImageStore& images, QWidget* parent = nullptr);
    ViewLink& Link() { return link_; }

    void SetScrollSizes(Size total, Size line);
    void ScrollTo(int x, int y);
    void GetScrollPosition(int& x, int& y) const;
    void ShowScrollBars(bool vertical, bool horizontal);

    // What assistive technology reads: the view's content as last read,
    // read again once the view has repainted.
    const CanvasContent& Content();
    // The view asked to repaint: its content may differ. Once content has
    // been read, a screen reader hears of changes when the current event is
    // done.
    void ContentMayHaveChanged();

signals:
    // A read content changed and the reader was told.
    void ContentAnnounced();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UpdateScrollRanges();
    void AnnounceChanges();

    ViewLink link_;
    ImageStore& images_;
    Size total_;
    Size line_{1, 1};
    std::optional<CanvasContent> content_;
    bool stale_ = true;
    bool announcing_ = false;
};
