#pragma once
// The small dialogs that start the sound loop (tempo, pattern, notes per
// beat) and the metronome (tempo, beats per bar).
#include "framework/Dialog.h"
#include "midi/PracticeSettings.h"

class IPrompts;

enum PracticeControl {
    IDC_PRACTICE_TEMPO = 1001,
    IDC_PRACTICE_PATTERN = 1002,
    IDC_PRACTICE_NOTES_PER_BEAT = 1003,
    IDC_PRACTICE_BEATS_PER_BAR = 1004,
};

DialogData MakeSoundLoopDialog(const PracticeSettings& settings);
DialogData MakeTicksDialog(const PracticeSettings& settings);
// What the dialog holds, over the settings it was made from; values out
// of range keep the settings' own.
PracticeSettings ReadPracticeDialog(const DialogData& dialog, PracticeSettings settings);

// The dialog run: the settings chosen, or false when it was cancelled.
bool RunSoundLoopDialog(IPrompts& prompts, PracticeSettings& settings);
bool RunTicksDialog(IPrompts& prompts, PracticeSettings& settings);
