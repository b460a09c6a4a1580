#pragma once
// The scrolling view of every instrument window: paints the document's
// drawing, and takes the instrument commands and the model's menus, which
// it hands on to the model.
#include <string>
#include <vector>

#include "framework/View.h"

class CInstrumDoc;

class CInstrumView : public CView {
public:
    // The scroll sizes before the first drawing.
    static constexpr Size kInitialScrollSize{2112, 3168};

    CInstrumView();

    // The clipboard text last assembled by Copy All or Vignette.
    std::string clipText;

    CInstrumDoc* Doc() const;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, int hint) override;
    void OnDraw(IDrawingSurface& surface) override;
    MenuPtr ContextMenu() override;
    // A text view prints its lines in the instrument's font at its full
    // cell, a graph view its drawing scaled to the page width.
    bool MakePrintJob(PrintJob& job) override;
    bool CanPrint() const override;
    // Its text form as lines and a summary of what it marks.
    std::string AccessibleSummary() override;
    std::vector<std::string> AccessibleLines() override;

private:
    void DeclareInstrumentCommands();
    void DeclareModelCommands();
    void OnCopyAll();
    void OnVignette();
    // Puts clipText on the clipboard and confirms it with message.
    void PutOnClipboard(const std::string& message);
    bool RefusedInGraphMode();
    void OnFont();
    void OnColors();
    void OnNotation();
    void OnChannel();
    void OnSave();
    void OnSaveAs();
    void ShowScrollBars(bool vertical, bool horizontal);
    void FollowDrawingSize(Size size);

    Size shownScrollSize_{};
};
