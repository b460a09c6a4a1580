#pragma once
// Where the notes of an outside keyboard go: each sounds through the MIDI
// output, marks the primary model's instruments as a played note does and
// reaches every open window that takes notes (the recorder, Identify).
#include <cstdint>

#include "framework/Services.h"

class CApplication;
class CPlaybackBridge;
class MidiPlayer;
struct NoteMessage;

class MidiInputRouter {
public:
    MidiInputRouter(CApplication& app, MidiPlayer& player, CPlaybackBridge& bridge)
        : app_(app), player_(player), bridge_(bridge) {}
    ~MidiInputRouter();
    MidiInputRouter(const MidiInputRouter&) = delete;
    MidiInputRouter& operator=(const MidiInputRouter&) = delete;

    // Listens on the port until this router goes; a null port or one that
    // cannot start leaves the program without input, quietly.
    void Start(IMidiIn* port);
    void Receive(std::uint32_t shortMessage);

private:
    void Sound(const NoteMessage& note);
    void HandToWindows(const NoteMessage& note);

    CApplication& app_;
    MidiPlayer& player_;
    CPlaybackBridge& bridge_;
    IMidiIn* port_ = nullptr;
};
