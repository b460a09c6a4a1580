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

int SliderAtQueued(std::size_t queued, std::size_t total)
{
    if (total == 0)
        return 0;
    std::size_t nearest = (std::min(queued, total) * 100 + total / 2) / total;
    return static_cast<int>(nearest);
}

namespace {

std::string TotalText(std::size_t total)
{
    return "Total " + std::to_string(total) + " events";
}

std::string QueuedText(std::size_t queued)
{
    return "Queued " + std::to_string(queued);
}

}  // namespace

DialogData MakeQueueDialog(const QueueChoice& choice)
{
    DialogData dialog;
    dialog.resourceId = 227;
    dialog.caption = "Queue";
    dialog.Add(IDC_QUEUE_SLIDER, DialogControl::Kind::Slider, "").value = SliderAtQueued(choice.queued, choice.total);
    dialog.Add(IDC_QUEUE_TOTAL, DialogControl::Kind::Label, TotalText(choice.total));
    dialog.Add(IDC_QUEUE_QUEUED, DialogControl::Kind::Label, QueuedText(choice.queued));
    dialog.onChange = [choice](DialogData& shown, int id) {
        if (id == IDC_QUEUE_SLIDER)
            shown.Find(IDC_QUEUE_QUEUED)->label = QueuedText(ReadQueueDialog(shown, choice).queued);
    };
    return dialog;
}

QueueChoice ReadQueueDialog(const DialogData& dialog, const QueueChoice& shown)
{
    QueueChoice result = shown;
    const DialogControl* slider = dialog.Find(IDC_QUEUE_SLIDER);
    // A slider left where it started leaves Queued as it was shown.
    if (slider && slider->value != SliderAtQueued(shown.queued, shown.total))
        result.queued = QueuedAtSlider(slider->value, shown.total);
    return result;
}
