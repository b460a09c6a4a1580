#include "platform/qt/TextEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

#include "framework/CommandIds.h"
#include "framework/View.h"
#include "platform/qt/FontConversion.h"
#include "platform/qt/TextEncoding.h"

// The document's own signal can report a change that replacing the whole
// text (with an empty one) takes back without a word; the document's
// state is asked again each time.
TextEditor::TextEditor(ViewLink link, QWidget* parent) : QPlainTextEdit(parent), link_(link)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // The editor's own signal follows the document it shows, a shared one too.
    connect(this, &QPlainTextEdit::modificationChanged, this, [this] { emit ModifiedChanged(IsModified()); });
}

std::string TextEditor::GetText() const
{
    QString text = toPlainText();
    if (crlf_)
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

void TextEditor::SetText(const std::string& text)
{
    crlf_ = text.find("\r\n") != std::string::npos;
    setPlainText(DecodeText(text));
    SetModified(false);
    if (CView* view = link_.View())
        setAccessibleDescription(QString::fromStdString(view->AccessibleSummary()));
}

void TextEditor::GetSelection(int& start, int& end) const
{
    QTextCursor cursor = textCursor();
    QString text = toPlainText();
    start = Utf8OffsetOf(text, cursor.selectionStart(), crlf_);
    end = Utf8OffsetOf(text, cursor.selectionEnd(), crlf_);
}

// Like the classic edit control: a negative start removes the selection, a
// negative end reaches the end of the text, and the view does not scroll.
void TextEditor::SetSelection(int start, int end)
{
    QString text = toPlainText();
    int length = static_cast<int>(text.size());
    QTextCursor cursor = textCursor();
    if (start < 0) {
        cursor.clearSelection();
    } else {
        int anchor = std::min(PositionOfUtf8Offset(text, start, crlf_), length);
        int position = end < 0 ? length : std::min(PositionOfUtf8Offset(text, end, crlf_), length);
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
    }
    int vertical = verticalScrollBar()->value();
    int horizontal = horizontalScrollBar()->value();
    setTextCursor(cursor);
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);
}

int TextEditor::FirstVisibleLine() const
{
    return pendingLine_ ? *pendingLine_ : verticalScrollBar()->value();
}

void TextEditor::ScrollLines(int lines)
{
    ScrollToLine(FirstVisibleLine() + lines);
}

// Until the editor is shown its scroll range is not known; the line is
// applied once it is.
void TextEditor::ScrollToLine(int line)
{
    line = std::clamp(line, 0, std::max(0, blockCount() - 1));
    if (!isVisible()) {
        pendingLine_ = line;
        return;
    }
    pendingLine_.reset();
    verticalScrollBar()->setValue(line);
}

void TextEditor::SetReadOnly(bool readOnly)
{
    setReadOnly(readOnly);
}

bool TextEditor::IsReadOnly() const
{
    return isReadOnly();
}

void TextEditor::SetFont(const LogFont& font)
{
    setFont(ToQFont(font));
}

void TextEditor::ShowScrollBars(bool vertical, bool horizontal)
{
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool TextEditor::IsModified() const
{
    return document()->isModified();
}

void TextEditor::SetModified(bool modified)
{
    document()->setModified(modified);
    emit ModifiedChanged(IsModified());
}

void TextEditor::EditCommand(int id)
{
    switch (id) {
    case ID_EDIT_UNDO: undo(); break;
    case ID_EDIT_CUT: cut(); break;
    case ID_EDIT_COPY: copy(); break;
    case ID_EDIT_PASTE: paste(); break;
    case ID_EDIT_CLEAR: textCursor().removeSelectedText(); break;
    case ID_EDIT_SELECT_ALL: selectAll(); break;
    default: break;
    }
}

// A second window on a document edits the same text: both editors show one
// QTextDocument (text, undo and modified flag), each with its own cursor
// and scrolling.
void TextEditor::ShareText(ITextControl& other)
{
    auto* editor = dynamic_cast<TextEditor*>(&other);
    if (!editor) {
        SetText(other.GetText());
        SetModified(other.IsModified());
        return;
    }
    shared_ = editor->SharedDocument();
    crlf_ = editor->crlf_;
    setDocument(shared_.get());
    emit modificationChanged(document()->isModified());
}

// The editor that made a document lays it out on its viewport's metrics;
// a shared one is laid out on the screen's, so that it never refers to the
// viewport of an editor that has gone.
TextEditor::~TextEditor()
{
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    if (shared_ && layout->paintDevice() == viewport())
        layout->setPaintDevice(nullptr);
}

// Deleted later rather than at once: the editor that drops the last share is
// still being destroyed and reaches its document's layout on the way.
std::shared_ptr<QTextDocument> TextEditor::SharedDocument()
{
    if (!shared_) {
        QTextDocument* own = document();
        own->setParent(nullptr);
        own->documentLayout()->setPaintDevice(nullptr);
        shared_ = std::shared_ptr<QTextDocument>(own, [](QTextDocument* doc) { doc->deleteLater(); });
    }
    return shared_;
}

void TextEditor::keyPressEvent(QKeyEvent* event)
{
    link_.KeyPressed(*event);
    QPlainTextEdit::keyPressEvent(event);
}

void TextEditor::keyReleaseEvent(QKeyEvent* event)
{
    link_.KeyReleased(*event);
    QPlainTextEdit::keyReleaseEvent(event);
}

void TextEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    link_.DoubleClicked();
}

void TextEditor::contextMenuEvent(QContextMenuEvent* event)
{
    if (!link_.ShowContextMenu(this, event->globalPos()))
        QPlainTextEdit::contextMenuEvent(event);
}

void TextEditor::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    link_.Resized(viewport()->width(), viewport()->height());
}

void TextEditor::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    if (pendingLine_)
        ScrollToLine(*pendingLine_);
}
