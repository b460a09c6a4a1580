#pragma once
// Socket notifiers on the event loop for a set of descriptors, each calling
// readable when its descriptor has input: how the sequencer's clients are
// read on the application's thread.
#include <functional>
#include <memory>
#include <vector>

#include <QSocketNotifier>

using ReadNotifiers = std::vector<std::unique_ptr<QSocketNotifier>>;

ReadNotifiers MakeReadNotifiers(const std::vector<int>& descriptors, const std::function<void()>& readable);
