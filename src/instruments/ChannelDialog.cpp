#include "instruments/ChannelDialog.h"

#include <algorithm>

#include "framework/Prompts.h"

namespace {

constexpr int kLowestChannel = -1;
constexpr int kHighestChannel = 16;

std::vector<std::string> SplitSummary(const std::string& summary)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = summary.find(';', start);
        pieces.push_back(summary.substr(start, end - start));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

} // namespace

DialogData MakeChannelDialog(int channel, const std::optional<std::string>& programSummary)
{
    DialogData dialog;
    dialog.resourceId = 230;
    dialog.caption = "Channel";
    DialogControl& choice = dialog.Add(kChannelChoice, DialogControl::Kind::DropList, "All / None");
    for (int c = kLowestChannel; c <= kHighestChannel; ++c)
        choice.choices.push_back(std::to_string(c));
    choice.value = std::clamp(channel, kLowestChannel, kHighestChannel) - kLowestChannel;
    DialogControl& programs = dialog.Add(kProgramList, DialogControl::Kind::List, "");
    programs.choices = programSummary ? SplitSummary(*programSummary)
                                      : std::vector<std::string>{"No Midi file currently examined."};
    return dialog;
}

std::optional<int> RunChannelDialog(IPrompts& prompts, int channel, const std::optional<std::string>& programSummary)
{
    DialogData dialog = MakeChannelDialog(channel, programSummary);
    if (prompts.RunDialog(dialog) != IDOK)
        return std::nullopt;
    const DialogControl* choice = dialog.Find(kChannelChoice);
    int index = choice ? choice->value : channel - kLowestChannel;
    return std::clamp(index + kLowestChannel, kLowestChannel, kHighestChannel);
}
