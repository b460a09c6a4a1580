#pragma once
// Every port the application reaches the outside world through. The
// executables fill it with real or headless implementations.
#include "framework/Drawing.h"
#include "framework/Font.h"
#include "framework/MidiDevices.h"
#include "framework/Picture.h"
#include "framework/Printing.h"
#include "framework/Prompts.h"
#include "framework/Services.h"
#include "framework/Settings.h"
#include "framework/TextControl.h"
#include "framework/Windows.h"

struct Ports {
    ISettings* settings = nullptr;
    IWindowSystem* windows = nullptr;
    IPrompts* prompts = nullptr;
    IFonts* fonts = nullptr;
    IClipboard* clipboard = nullptr;
    ILauncher* launcher = nullptr;
    IClock* clock = nullptr;
    // Sends MIDI at its time, on the clock's time.
    ITimedSender* sender = nullptr;
    IMidiOut* midiOut = nullptr;
    // Null where outputs cannot be listed or switched (tests that keep to one).
    IMidiDevices* midiDevices = nullptr;
    // Null when the machine offers no MIDI input.
    IMidiIn* midiIn = nullptr;
    IMediaPlayerFactory* media = nullptr;
    IPrinter* printer = nullptr;
    // Null where no picture can be written.
    IPictureWriter* pictures = nullptr;
};
