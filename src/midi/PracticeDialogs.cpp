#include "midi/PracticeDialogs.h"

#include <string>

#include "framework/Prompts.h"

namespace {

void AddTempo(DialogData& dialog, int tempo)
{
    DialogControl& slider = dialog.Add(IDC_PRACTICE_TEMPO, DialogControl::Kind::Slider, "Tempo (beats per minute)");
    slider.minimum = PracticeSettings::kSlowest;
    slider.maximum = PracticeSettings::kFastest;
    slider.value = tempo;
}

void AddNumbers(DialogData& dialog, int id, const std::string& label, int most, int value)
{
    DialogControl& list = dialog.Add(id, DialogControl::Kind::DropList, label);
    for (int number = 1; number <= most; ++number)
        list.choices.push_back(std::to_string(number));
    list.value = value - 1;
}

// The choice's number, when the control holds one in range.
int ChosenNumber(const DialogData& dialog, int id, int lowest, int highest, int fallback)
{
    const DialogControl* control = dialog.Find(id);
    if (!control)
        return fallback;
    const int value = control->kind == DialogControl::Kind::DropList ? control->value + lowest : control->value;
    return value >= lowest && value <= highest ? value : fallback;
}

bool Run(IPrompts& prompts, DialogData dialog, PracticeSettings& settings)
{
    if (prompts.RunDialog(dialog) != IDOK)
        return false;
    settings = ReadPracticeDialog(dialog, settings);
    return true;
}

}  // namespace

DialogData MakeSoundLoopDialog(const PracticeSettings& settings)
{
    DialogData dialog;
    dialog.resourceId = 174;
    dialog.caption = "Sound Loop";
    AddTempo(dialog, settings.tempo);
    DialogControl& pattern = dialog.Add(IDC_PRACTICE_PATTERN, DialogControl::Kind::DropList, "Pattern");
    pattern.choices = {"Up and down", "Up", "Down"};
    pattern.value = static_cast<int>(settings.pattern);
    AddNumbers(dialog, IDC_PRACTICE_NOTES_PER_BEAT, "Notes per beat", PracticeSettings::kMostNotesPerBeat,
               settings.notesPerBeat);
    return dialog;
}

DialogData MakeTicksDialog(const PracticeSettings& settings)
{
    DialogData dialog;
    dialog.resourceId = 207;
    dialog.caption = "Ticks";
    AddTempo(dialog, settings.tempo);
    AddNumbers(dialog, IDC_PRACTICE_BEATS_PER_BAR, "Beats per bar", PracticeSettings::kMostBeatsPerBar,
               settings.beatsPerBar);
    return dialog;
}

PracticeSettings ReadPracticeDialog(const DialogData& dialog, PracticeSettings settings)
{
    settings.tempo = ChosenNumber(dialog, IDC_PRACTICE_TEMPO, PracticeSettings::kSlowest, PracticeSettings::kFastest,
                                  settings.tempo);
    settings.pattern = static_cast<LoopPattern>(ChosenNumber(dialog, IDC_PRACTICE_PATTERN, 0,
                                                             static_cast<int>(LoopPattern::Down),
                                                             static_cast<int>(settings.pattern)));
    settings.notesPerBeat = ChosenNumber(dialog, IDC_PRACTICE_NOTES_PER_BEAT, 1, PracticeSettings::kMostNotesPerBeat,
                                         settings.notesPerBeat);
    settings.beatsPerBar = ChosenNumber(dialog, IDC_PRACTICE_BEATS_PER_BAR, 1, PracticeSettings::kMostBeatsPerBar,
                                        settings.beatsPerBar);
    return settings;
}

bool RunSoundLoopDialog(IPrompts& prompts, PracticeSettings& settings)
{
    return Run(prompts, MakeSoundLoopDialog(settings), settings);
}

bool RunTicksDialog(IPrompts& prompts, PracticeSettings& settings)
{
    return Run(prompts, MakeTicksDialog(settings), settings);
}
