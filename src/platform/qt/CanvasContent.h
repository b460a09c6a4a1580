#pragma once
// What a drawn view tells assistive technology, in Qt's strings: read from
// the core view when asked, kept until the view repaints.
#include <QString>
#include <QStringList>

#include "framework/Accessible.h"

class CView;

struct CanvasContent {
    AccessibleRole role = AccessibleRole::Graphic;
    QString name;
    QString summary;
    QStringList lines;
    QString text;  // the lines joined by line breaks

    friend bool operator==(const CanvasContent&, const CanvasContent&) = default;
};

CanvasContent ReadCanvasContent(CView& view);
