#pragma once
// The "Notation Method" dialog: the labelling method, the chord set and how
// chord tones are labelled (names or interval numbers).
class IPrompts;

// Runs the dialog preset to the given codes. On OK returns the chosen
// notation and stores the chosen chord set and chord tones; on Cancel
// returns notation and leaves chordset and chordTones as they were.
char ChooseNotation(IPrompts& prompts, char notation, char& chordset, char& chordTones);
