#include "midi/PracticeSettings.h"

#include "framework/Settings.h"

namespace {

constexpr const char* kSection = "Practice";

int InRangeOr(int value, int lowest, int highest, int fallback)
{
    return value >= lowest && value <= highest ? value : fallback;
}

}  // namespace

PracticeSettings PracticeSettings::Load(ISettings& settings)
{
    const PracticeSettings defaults;
    PracticeSettings loaded;
    loaded.tempo = InRangeOr(settings.GetInt(kSection, "Tempo", defaults.tempo), kSlowest, kFastest, defaults.tempo);
    loaded.pattern = static_cast<LoopPattern>(
        InRangeOr(settings.GetInt(kSection, "Pattern", 0), 0, static_cast<int>(LoopPattern::Down), 0));
    loaded.notesPerBeat =
        InRangeOr(settings.GetInt(kSection, "NotesPerBeat", defaults.notesPerBeat), 1, kMostNotesPerBeat, 1);
    loaded.beatsPerBar = InRangeOr(settings.GetInt(kSection, "BeatsPerBar", defaults.beatsPerBar), 1,
                                   kMostBeatsPerBar, defaults.beatsPerBar);
    loaded.showTick = settings.GetInt(kSection, "ShowTick", 0) == 1;
    return loaded;
}

void PracticeSettings::Save(ISettings& settings) const
{
    settings.WriteInt(kSection, "Tempo", tempo);
    settings.WriteInt(kSection, "Pattern", static_cast<int>(pattern));
    settings.WriteInt(kSection, "NotesPerBeat", notesPerBeat);
    settings.WriteInt(kSection, "BeatsPerBar", beatsPerBar);
    settings.WriteInt(kSection, "ShowTick", showTick ? 1 : 0);
}
