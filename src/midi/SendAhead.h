#pragma once
// How far ahead of their time the producers of the timed sender (a
// playback, the sound loop, the metronome) hand it their messages: enough
// to ride out the application's thread being busy for a while (loading a
// large file, drawing many windows), little enough that a Stop or a change
// has little to take back. It reaches past the next beat at every tempo
// from 30 up, so a new tempo finds the slots before its first beat already
// handed over.
inline constexpr double kSendAheadMs = 2000;
