#include "midi/QueueDialog.h"

#include <algorithm>
#include <string>

std::size_t QueuedAtSlider(int position, std::size_t total)
{
    std::size_t clamped = static_cast<std::size_t>(std::clamp(position, 0, 100));
    return clamped * total / 100;
}

std::optional<std::size_t> QueuePositionFor(const QueueChoice& choice)
{
    if (choice.queued == 0 || choice.total == 0)
        return std::nullopt;
    return std::min(choice.queued, choice.total - 1);
}

DialogData MakeQueueDialog(const QueueChoice& choice)
{
    DialogData dialog;
    dialog.resourceId = 227;
    dialog.caption = "Queue";
    dialog.Add(IDC_QUEUE_SLIDER, DialogControl::Kind::Slider, "");
    dialog.Add(1065, DialogControl::Kind::Label, "Total");
    dialog.Add(IDC_QUEUE_TOTAL, DialogControl::Kind::Label, std::to_string(choice.total));
    dialog.Add(1066, DialogControl::Kind::Label, "Queued");
    dialog.Add(IDC_QUEUE_QUEUED, DialogControl::Kind::Label, std::to_string(choice.queued));
    dialog.Add(1067, DialogControl::Kind::Label, "events");
    return dialog;
}

QueueChoice ReadQueueDialog(const DialogData& dialog, const QueueChoice& shown)
{
    QueueChoice result = shown;
    const DialogControl* slider = dialog.Find(IDC_QUEUE_SLIDER);
    // An untouched slider (still at 0) leaves Queued as it was shown.
    if (slider && slider->value != 0)
        result.queued = QueuedAtSlider(slider->value, shown.total);
    return result;
}
