#pragma once
// The editing view of a text document.
#include <string>

#include "framework/View.h"

class CGeneralDoc;

class CGeneralView : public CView {
public:
    CGeneralView();
    ViewKind Kind() const override { return ViewKind::Text; }
    void OnDoubleClick() override;
    MenuPtr ContextMenu() override;
    bool MakePrintJob(PrintJob& job) override;
    bool CanPrint() const override { return TextControl() && Doc(); }
    bool OffersNewWindow() const override { return true; }
    // A new window edits the same text as the original, in the same font.
    void FollowView(CView& original) override;
    std::string WhatsThis() const override;
    CGeneralDoc* Doc() const;

protected:
    void OnFont();
    void ShowScrollBars(bool vertical, bool horizontal);
    bool vertical_ = true;
    bool horizontal_ = true;
    std::string lastSearch_;
};

// The selection a double click leaves: the word inside the platform's
// selection, without surrounding break characters. Offsets are returned in
// start/end; unchanged when the selection holds no word.
void SelectWordWithin(const std::string& selected, int& start, int& end);
