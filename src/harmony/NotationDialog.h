#pragma once
// The "Notation Method" dialog: the labelling method and the chord set.
class IPrompts;

// Runs the dialog preset to the given codes. On OK returns the chosen
// notation and stores the chosen chord set; on Cancel returns notation and
// leaves chordset as it was.
char ChooseNotation(IPrompts& prompts, char notation, char& chordset);
