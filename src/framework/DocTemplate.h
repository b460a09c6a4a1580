#pragma once
// A document template: makes documents of one kind with their frame and
// view, and owns them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Accelerators.h"
#include "framework/Menu.h"

class CApplication;
class CDocument;
class CFrame;
class CView;

class CDocTemplate {
public:
    enum StringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId,
                       regFileTypeName, shortExt, shortExtName };
    struct Factories {
        std::function<std::unique_ptr<CDocument>()> document;
        std::function<std::unique_ptr<CFrame>()> frame;
        std::function<std::unique_ptr<CView>()> view;
    };

    CDocTemplate(CApplication& app, int resourceId, std::string strings, Factories factories);
    ~CDocTemplate();

    int ResourceId() const { return resourceId_; }
    // The template string at index, split at line breaks.
    std::string GetString(StringIndex index) const;
    MenuPtr Menu() const { return menu_; }
    void SetMenu(MenuPtr menu) { menu_ = std::move(menu); }
    // The resource whose first popup the views show on a right click.
    MenuPtr ContextMenu() const { return contextMenu_; }
    void SetContextMenu(MenuPtr menu) { contextMenu_ = std::move(menu); }
    // Keys of the template's frames that no menu item carries.
    const AcceleratorTable& Accelerators() const { return accelerators_; }
    void SetAccelerators(AcceleratorTable table) { accelerators_ = std::move(table); }

    // Opens a new document (empty path) or the file at path. The frame is
    // shown and activated when visible; null when opening failed.
    CDocument* OpenDocumentFile(const std::string& path, bool visible);
    // Another frame and view on an open document.
    CFrame* CreateFrame(CDocument& document);
    const std::vector<CDocument*>& Documents() const { return documents_; }
    void RemoveDocument(CDocument* document);

private:
    CApplication& app_;
    int resourceId_;
    std::string strings_;
    Factories factories_;
    MenuPtr menu_;
    MenuPtr contextMenu_;
    AcceleratorTable accelerators_;
    std::vector<CDocument*> documents_;
    int untitledCount_ = 0;
};
