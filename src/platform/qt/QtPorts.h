#pragma once
// The desktop's ports, built together and handed to the application.
#include <QObject>

#include <memory>
#include <string>

#include "framework/Ports.h"
#include "platform/midiout/MidiDevices.h"
#include "platform/midiout/SenderThread.h"
#include "platform/midiout/SteadyClock.h"
#include "platform/qt/DesktopServices.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtMediaPlayer.h"
#include "platform/qt/QtMidiIn.h"
#include "platform/qt/QtPictureWriter.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtPrompts.h"
#include "platform/qt/QtSequencerWatch.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/QtWindowSystem.h"

class CReferenceApp;

class QtPorts {
public:
    explicit QtPorts(const std::string& homeDir);
    QtPorts(const QtPorts&) = delete;
    QtPorts& operator=(const QtPorts&) = delete;

    Ports& Get() { return ports_; }
    QtWindowSystem& Windows() { return windows_; }
    SteadyClock& Clock() { return clock_; }

    // Connects the main window's close box and History box to the
    // application; Detach before the application goes.
    void Attach(CReferenceApp& app);
    void Detach();

private:
    ImageStore images_;
    QtSettings settings_;
    QtFonts fonts_;
    QtWindowSystem windows_;
    QtPrompts prompts_;
    QtClipboard clipboard_;
    QtLauncher launcher_;
    SteadyClock clock_;
    // Receives the timing thread's reports on the application's thread.
    QObject reports_;
    SenderThread sender_;
    QtSequencerWatch sequencerWatch_;
    MidiDevices devices_;
    std::unique_ptr<IMidiOut> midiOut_;
    QtMidiIn midiIn_;
    QtMediaPlayerFactory media_;
    QtPrinter printer_;
    QtPictureWriter pictures_;
    Ports ports_;
};
