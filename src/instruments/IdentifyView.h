#pragma once
// The Identify window's view: the keyboard to click, the entered notes and
// the results; a click toggles a key or selects a result, a double click
// shows the selected result in the primary model.
#include <string>
#include <vector>

#include "framework/View.h"
#include "instruments/IdentifyLayout.h"

class CIdentifyDoc;

class CIdentifyView : public CView {
public:
    static constexpr int kKeyUp = 38;
    static constexpr int kKeyDown = 40;
    static constexpr int kKeyReturn = 13;

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, int hint) override;
    void OnDraw(IDrawingSurface& surface) override;
    void OnClick(int x, int y) override;
    void OnDoubleClick() override;
    void OnKeyDown(int code) override;
    void OnKeyUp(int code) override;
    std::string WhatsThis() const override;
    // A screen reader reads the notes and the results as a list.
    AccessibleRole AccessRole() const override { return AccessibleRole::List; }
    std::string AccessibleSummary() override;
    std::vector<std::string> AccessibleLines() override;

    CIdentifyDoc* Doc() const;
    IdentifyLayout Layout() const;

    // What the window shows as text: the notes line, the column heading and
    // one line per result, the selected one marked with "*".
    static std::vector<std::string> TextLines(const CIdentifyDoc& doc);

private:
    void DrawKeyboard(IDrawingSurface& surface, const CIdentifyDoc& doc, const IdentifyLayout& layout) const;
    void DrawResults(IDrawingSurface& surface, const CIdentifyDoc& doc, const IdentifyLayout& layout) const;

    Size shownSize_{};
};
