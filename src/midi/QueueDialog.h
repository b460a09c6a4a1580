#pragma once
// The Queue dialog of a MIDI window: a slider over the play list picks the
// record playback starts at.
#include <cstddef>
#include <optional>

#include "framework/Dialog.h"

struct QueueChoice {
    std::size_t total = 0;   // records of the play list
    std::size_t queued = 0;  // index of the queued record, 0 for none
};

enum QueueControl { IDC_QUEUE_SLIDER = 1062, IDC_QUEUE_TOTAL = 1063, IDC_QUEUE_QUEUED = 1064 };

// Queued for a slider position (0..100) released over a list of total records.
std::size_t QueuedAtSlider(int position, std::size_t total);
// The slider position nearest to a queued record.
int SliderAtQueued(std::size_t queued, std::size_t total);
// The queue position OK sets: none for 0, else the record at queued or the
// last record when the list is shorter.
std::optional<std::size_t> QueuePositionFor(const QueueChoice& choice);

// The slider starts at the queued record; "Queued" follows it as it moves.
DialogData MakeQueueDialog(const QueueChoice& choice);
// What the dialog holds after OK: the slider, when moved, sets Queued.
QueueChoice ReadQueueDialog(const DialogData& dialog, const QueueChoice& shown);
