#include "harmony/ModelRoster.h"

#include <algorithm>

void CModelRoster::Opened(CModelDoc& model)
{
    if (std::find(open_.begin(), open_.end(), &model) == open_.end())
        open_.push_back(&model);
    Adopt(model);
    last_ = &model;
}

void CModelRoster::Closed(CModelDoc& model)
{
    open_.erase(std::remove(open_.begin(), open_.end(), &model), open_.end());
    if (last_ == &model)
        last_ = nullptr;
    if (primary_ != &model)
        return;
    primary_ = nullptr;
    if (listener_)
        listener_();
}

void CModelRoster::Adopt(CModelDoc& model)
{
    if (!primary_)
        primary_ = &model;
}

void CModelRoster::Recomputed(CModelDoc& model)
{
    Adopt(model);
    if (primary_ == &model && listener_)
        listener_();
}
