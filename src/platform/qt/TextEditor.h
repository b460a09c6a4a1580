#pragma once
// The editing control of a text view.
#include <QPlainTextEdit>

#include <memory>
#include <optional>

#include "framework/TextControl.h"
#include "platform/qt/ViewLink.h"

class TextEditor : public QPlainTextEdit, public ITextControl {
    Q_OBJECT
public:
    TextEditor(ViewLink link, QWidget* parent = nullptr);
    ~TextEditor() override;
    ViewLink& Link() { return link_; }

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void GetSelection(int& start, int& end) const override;
    void SetSelection(int start, int end) override;
    int FirstVisibleLine() const override;
    void ScrollLines(int lines) override;
    void SetReadOnly(bool readOnly) override;
    bool IsReadOnly() const override;
    void SetFont(const LogFont& font) override;
    void ShowScrollBars(bool vertical, bool horizontal) override;
    bool IsModified() const override;
    void SetModified(bool modified) override;
    void EditCommand(int id) override;
    void ShareText(ITextControl& other) override;

signals:
    // Whether the text has unsaved changes, each time that may have changed.
    void ModifiedChanged(bool modified);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ScrollToLine(int line);
    // The document this editor shows, owned from now on by every editor
    // that shows it, so that it outlives the one that made it.
    std::shared_ptr<QTextDocument> SharedDocument();

    ViewLink link_;
    bool crlf_ = false;               // the core's text breaks lines with CR LF
    std::optional<int> pendingLine_;  // first line asked for before the layout existed
    std::shared_ptr<QTextDocument> shared_;
};
