#include "framework/DocTemplate.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"

CDocTemplate::CDocTemplate(CApplication& app, int resourceId, std::string strings, Factories factories)
    : app_(app), resourceId_(resourceId), strings_(std::move(strings)), factories_(std::move(factories))
{
}

CDocTemplate::~CDocTemplate()
{
    for (CDocument* document : documents_)
        delete document;
}

std::string CDocTemplate::GetString(StringIndex index) const
{
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = strings_.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return strings_.substr(start, strings_.find('\n', start) - start);
}

CFrame* CDocTemplate::CreateFrame(CDocument& document)
{
    std::unique_ptr<CFrame> frame = factories_.frame();
    frame->app_ = &app_;
    frame->menu_ = menu_;
    frame->view_ = factories_.view();
    frame->view_->frame_ = frame.get();
    frame->view_->document_ = &document;
    document.AddView(frame->view_.get());
    frame->window_ = app_.ports.windows->CreateFrameWindow(*frame, frame->view_->Kind());
    frame->window_->SetMenu(menu_);
    if (!accelerators_.empty())
        frame->window_->SetAccelerators(accelerators_);
    CFrame* raw = frame.get();
    app_.FrameCreated(std::move(frame));
    return raw;
}

CDocument* CDocTemplate::OpenDocumentFile(const std::string& path, bool visible)
{
    std::unique_ptr<CDocument> owned = factories_.document();
    CDocument* document = owned.release();
    document->app_ = &app_;
    document->template_ = this;
    document->serial = app_.NextSerial();
    documents_.push_back(document);
    if (path.empty())
        document->title_ = GetString(docName) + std::to_string(++untitledCount_);
    CFrame* frame = CreateFrame(*document);
    bool ok = path.empty() ? document->OnNewDocument() : document->OnOpenDocument(path);
    if (!ok) {
        document->OnCloseDocument();
        return nullptr;
    }
    frame->View()->OnInitialUpdate();
    if (visible && !frame->IsDestroyed()) {
        frame->Show(SW_SHOW);
        frame->Activate();
    }
    return document;
}

void CDocTemplate::RemoveDocument(CDocument* document)
{
    auto it = std::find(documents_.begin(), documents_.end(), document);
    if (it == documents_.end())
        return;
    documents_.erase(it);
    app_.DeleteLater(std::unique_ptr<CDocument>(document));
}
