#pragma once
// The examiner listing: the file's head and every track's records, drawn
// as lines of text that scroll. While the file plays, the line of the
// record playing is marked and kept in view.
#include <cstddef>
#include <optional>

#include "framework/View.h"

class CMidiDoc;

class CMidiView : public CView {
public:
    static constexpr int kLineHeight = 15;
    static constexpr int kMargin = 4;

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, int hint) override;
    void OnDraw(IDrawingSurface& surface) override;
    // Home and End go to the listing's first and last lines.
    void OnKeyDown(int code) override;
    // Plays from the bar of the record on the line.
    void OnDoubleClickAt(Point point) override;
    // The listing prints as text, one line per listing line.
    bool MakePrintJob(PrintJob& job) override;
    bool CanPrint() const override { return Doc() != nullptr; }
    std::string WhatsThis() const override;
    // The listing is a list of its lines.
    AccessibleRole AccessRole() const override { return AccessibleRole::List; }
    std::string AccessibleSummary() override;
    std::vector<std::string> AccessibleLines() override;
    void OnActivateFrame() override;
    CMidiDoc* Doc() const;

    // The listing line drawn at `y`, or none above the first.
    static std::optional<std::size_t> LineAt(int y);

    // The height the listing takes, margins included.
    int ListingHeight() const;

private:
    void SetScrollSizes();
    // The marked line the view keeps in sight: that of the track it shows
    // while that track plays, else that of the track leading.
    std::optional<std::size_t> FollowedLine() const;
    std::optional<std::size_t> TrackInView() const;
    bool InView(std::size_t line) const;
    void KeepPlayedLineInView();

    // The marked line followed at the last update.
    std::optional<std::size_t> followed_;
};
