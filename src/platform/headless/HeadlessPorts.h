#pragma once
// Every headless port in one object that outlives the application objects
// made on it, so settings, clipboard, time and recordings carry over from
// one start to the next as they would between two processes.
#include <iosfwd>
#include <memory>

#include "framework/Ports.h"
#include "platform/headless/FixedFonts.h"
#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/headless/MemoryClipboard.h"
#include "platform/headless/RecordingLauncher.h"
#include "platform/headless/RecordingMediaPlayer.h"
#include "platform/headless/RecordingMidiOut.h"
#include "platform/headless/RecordingPrinter.h"
#include "platform/headless/ScriptedMidiIn.h"
#include "platform/headless/ScriptedPrompts.h"
#include "platform/headless/VirtualClock.h"

struct HeadlessPorts {
    // Message boxes print to out; settings are kept in memory when none are given.
    explicit HeadlessPorts(std::ostream& out, std::unique_ptr<ISettings> settings = nullptr);
    HeadlessPorts(const HeadlessPorts&) = delete;
    HeadlessPorts& operator=(const HeadlessPorts&) = delete;

    // The INI file named by MORVIX_PROFILE, or memory when it is not set.
    static std::unique_ptr<ISettings> SettingsFromEnvironment(std::ostream& errors);

    Ports& Get() { return ports_; }
    HeadlessWindowSystem& Windows() { return *windows; }
    // Windows as a new process finds them. Only while no application runs.
    void ResetWindows();

    std::unique_ptr<ISettings> settings;
    MemoryClipboard clipboard;
    std::unique_ptr<HeadlessWindowSystem> windows;
    ScriptedPrompts prompts;
    FixedFonts fonts;
    RecordingLauncher launcher;
    VirtualClock clock;
    RecordingMidiOut midiOut{clock};
    ScriptedMidiIn midiIn;
    RecordingMediaPlayerFactory media;
    RecordingPrinter printer;

private:
    Ports ports_;
};
