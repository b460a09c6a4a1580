#pragma once
// A view shows its document inside a frame. Text views keep their text in
// the toolkit's editing control; drawn views paint on request.
#include <string>
#include <vector>

#include "framework/Accessible.h"
#include "framework/CommandTarget.h"
#include "framework/Menu.h"
#include "framework/Printing.h"
#include "framework/Windows.h"

class CDocument;
class CFrame;
class IDrawingSurface;
class ITextControl;

class CView : public CCommandTarget {
public:
    CDocument* GetDocument() const { return document_; }
    CFrame* Frame() const { return frame_; }

    virtual ViewKind Kind() const { return ViewKind::Drawn; }
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
    virtual void OnUpdate(CView* sender, int hint);
    virtual void OnDraw(IDrawingSurface& surface) { (void)surface; }
    virtual void OnKeyDown(int code) { (void)code; }
    virtual void OnKeyUp(int code) { (void)code; }
    virtual void OnDoubleClick() {}
    // A double click at `point` in the view's content, scrolling included (a
    // drawn view's drawing coordinates). Views that need no point take it as
    // OnDoubleClick.
    virtual void OnDoubleClickAt(Point point)
    {
        (void)point;
        OnDoubleClick();
    }
    // A left click at this point of the drawing (scrolling already added).
    virtual void OnClick(int x, int y) { (void)x; (void)y; }
    // Its frame became the active child window.
    virtual void OnActivateFrame() {}
    virtual void OnSize(int cx, int cy) { (void)cx; (void)cy; }
    // The popup shown on a right click, or none.
    virtual MenuPtr ContextMenu() { return nullptr; }
    // What the window shows, for "What's this?".
    virtual std::string WhatsThis() const { return {}; }
    // What Print and Print Preview print; false for a view that prints nothing.
    virtual bool MakePrintJob(PrintJob& job) { (void)job; return false; }
    // Whether MakePrintJob would hand something over, without building it:
    // asked each time the File menu opens.
    virtual bool CanPrint() const { return false; }
    // Window > New Window: whether another view may show this view's
    // document beside it, and what a new view takes over from the view it
    // was opened from before its first update.
    virtual bool OffersNewWindow() const { return false; }
    virtual void FollowView(CView& original) { (void)original; }

    // For assistive technology: text views are text, drawn views pictures
    // unless they say otherwise.
    virtual AccessibleRole AccessRole() const;
    // The window's title.
    virtual std::string AccessibleName() const;
    // One line saying what the window shows; none by default.
    virtual std::string AccessibleSummary() { return {}; }
    // The content as text: a text view's text, a drawn view's text form.
    virtual std::vector<std::string> AccessibleLines();

    IFrameWindow* Window() const;
    ITextControl* TextControl() const;
    void Invalidate() const;

private:
    friend class CDocTemplate;
    friend class CFrame;
    CDocument* document_ = nullptr;
    CFrame* frame_ = nullptr;
};
