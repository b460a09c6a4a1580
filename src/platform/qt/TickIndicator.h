#pragma once
// The metronome's flash at the right of the status bar: one dot per beat
// of the bar, the beat clicking now lit (the first beat in red), nothing
// between clicks.
#include <QLabel>

class TickIndicator : public QLabel {
    Q_OBJECT
public:
    explicit TickIndicator(QWidget* parent = nullptr);
    // beat 1..beatsPerBar, or 0 for none.
    void ShowTick(int beat, int beatsPerBar);

    // The dots as rich text; empty for none.
    static QString Dots(int beat, int beatsPerBar);
};
