#pragma once
// A child frame: one window holding one view of a document.
#include <memory>
#include <string>

#include "framework/CommandTarget.h"
#include "framework/Menu.h"
#include "framework/Windows.h"

class CApplication;
class CDocument;
class CView;

class CFrame : public CCommandTarget {
public:
    ~CFrame() override;

    CApplication& App() const { return *app_; }
    CView* View() const { return view_.get(); }
    CDocument* Document() const;
    IFrameWindow* Window() const { return window_.get(); }

    MenuPtr GetMenu() const { return menu_; }
    void SetMenu(MenuPtr menu);
    // The document's title; with several windows on the document, followed
    // by ":" and the number of this one ("Model:2").
    std::string Caption() const;
    void UpdateCaption();
    void Activate();
    void Show(int showCmd);
    bool IsVisible() const;

    // The close box: by default closing the last frame of a document closes
    // the document.
    virtual void OnClose();
    // False when this is the document's last frame and the user kept it open.
    bool QueryClose();
    // Closes without asking: the document too when this is its last frame.
    void CloseNow();
    // Removes the window; the frame is destroyed once the current command ends.
    void DestroyWindow();
    bool IsDestroyed() const { return destroyed_; }

private:
    friend class CDocTemplate;
    CApplication* app_ = nullptr;
    std::unique_ptr<CView> view_;
    std::unique_ptr<IFrameWindow> window_;
    MenuPtr menu_;
    std::string caption_;  // as the window shows it
    bool destroyed_ = false;
};
