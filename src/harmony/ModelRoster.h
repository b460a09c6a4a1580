#pragma once
// The open models, the primary model (the one that records and replays
// history) and the model opened last. The one owner of both references.
#include <functional>
#include <vector>

class CModelDoc;

class CModelRoster {
public:
    // A model was opened: it becomes the last model, and the primary one
    // when there is none.
    void Opened(CModelDoc& model);
    void Closed(CModelDoc& model);
    // The model becomes the primary one when there is none.
    void Adopt(CModelDoc& model);
    // The model's notes were computed again: it is adopted, and when it is
    // the primary model the listener hears of it.
    void Recomputed(CModelDoc& model);
    // Told whenever the primary model changes its notes or closes.
    void SetPrimaryListener(std::function<void()> listener) { listener_ = std::move(listener); }

    CModelDoc* Primary() const { return primary_; }
    CModelDoc* Last() const { return last_; }
    CModelDoc* First() const { return open_.empty() ? nullptr : open_.front(); }
    // The primary model answers for history; while there is none, any model
    // would become it at its next change, so it answers too.
    bool SpeaksForHistory(const CModelDoc& model) const { return !primary_ || primary_ == &model; }

private:
    std::vector<CModelDoc*> open_;
    CModelDoc* primary_ = nullptr;
    CModelDoc* last_ = nullptr;
    std::function<void()> listener_;
};
