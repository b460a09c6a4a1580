#include "platform/qt/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "framework/CommandIds.h"

namespace {

constexpr int kPreviousModel = 32864;
constexpr int kNextModel = 32865;
constexpr int kNextWindow = 32882;
constexpr int kPreviousWindow = 32883;

// A 16 x 16 pictogram drawn from a glyph, for the edit buttons no style offers.
QIcon GlyphIcon(QChar glyph)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font;
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(glyph));
    return QIcon(pixmap);
}

// A clipboard: a board with a clip on its top edge.
QIcon PasteIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(222, 184, 135));
    painter.drawRect(2, 2, 11, 13);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 5, 7, 8);
    painter.setBrush(Qt::gray);
    painter.drawRect(5, 0, 5, 3);
    return QIcon(pixmap);
}

QIcon Themed(const char* name, QIcon fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}

}  // namespace

QIcon ToolbarIcon(int commandId, const QStyle& style)
{
    switch (commandId) {
    case kPreviousModel: return style.standardIcon(QStyle::SP_ArrowLeft);
    case kNextModel: return style.standardIcon(QStyle::SP_ArrowRight);
    case kPreviousWindow: return style.standardIcon(QStyle::SP_ArrowUp);
    case kNextWindow: return style.standardIcon(QStyle::SP_ArrowDown);
    case ID_FILE_NEW: return Themed("document-new", style.standardIcon(QStyle::SP_FileIcon));
    case ID_FILE_OPEN: return Themed("document-open", style.standardIcon(QStyle::SP_DialogOpenButton));
    case ID_FILE_SAVE: return Themed("document-save", style.standardIcon(QStyle::SP_DialogSaveButton));
    case ID_EDIT_UNDO: return Themed("edit-undo", GlyphIcon(QChar(0x21B6)));
    case ID_EDIT_CUT: return Themed("edit-cut", GlyphIcon(QChar(0x2702)));
    case ID_EDIT_COPY: return Themed("edit-copy", GlyphIcon(QChar(0x2750)));
    case ID_EDIT_PASTE: return Themed("edit-paste", PasteIcon());
    case ID_APP_ABOUT: return Themed("help-about", style.standardIcon(QStyle::SP_MessageBoxQuestion));
    default: return {};
    }
}
