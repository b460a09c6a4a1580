#pragma once
// The examiner listing: the file's head and every track's records, drawn
// as lines of text that scroll.
#include "framework/View.h"

class CMidiDoc;

class CMidiView : public CView {
public:
    static constexpr int kLineHeight = 15;
    static constexpr int kMargin = 4;

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, int hint) override;
    void OnDraw(IDrawingSurface& surface) override;
    // The listing prints as text, one line per listing line.
    bool MakePrintJob(PrintJob& job) override;
    std::string WhatsThis() const override;
    // The listing is a list of its lines.
    AccessibleRole AccessRole() const override { return AccessibleRole::List; }
    std::string AccessibleSummary() override;
    std::vector<std::string> AccessibleLines() override;
    void OnActivateFrame() override;
    CMidiDoc* Doc() const;

private:
    void SetScrollSizes();
};
