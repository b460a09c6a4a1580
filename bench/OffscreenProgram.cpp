#include "OffscreenProgram.h"

#include <QMdiArea>

#include "BenchHome.h"

OffscreenProgram::OffscreenProgram(int& argc, char** argv, const char* recordPath)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("MORVIX_MIDI_OUT", QByteArray("record:") + recordPath);
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    qt_ = std::make_unique<QApplication>(argc, argv);
    CopyResources(home_);
    ports_ = std::make_unique<QtPorts>(home_.path().toStdString());
    clock_ = std::make_unique<StartWatchClock>(ports_->Clock());
    output_ = std::make_unique<TimedMidiOut>(*ports_->Get().midiOut);
    ports_->Get().clock = clock_.get();
    ports_->Get().midiOut = output_.get();
}

CReferenceApp& OffscreenProgram::Start()
{
    app_ = std::make_unique<CReferenceApp>(ports_->Get(), home_.path().toStdString());
    ports_->Attach(*app_);
    app_->InitInstance({});
    ports_->Windows().Widget().resize(1600, 1000);
    return *app_;
}

QMdiArea& OffscreenProgram::Area()
{
    return ports_->Windows().Widget().Area();
}

void OffscreenProgram::End()
{
    if (!app_)
        return;
    ports_->Detach();
    app_.reset();
}
