#pragma once
// A drawn view: a scrolling area whose paint requests call the core view's
// draw step with a drawing surface.
#include <QAbstractScrollArea>

#include "framework/Windows.h"
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

    ViewLink link_;
    ImageStore& images_;
    Size total_;
    Size line_{1, 1};
};
