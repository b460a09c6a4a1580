#include "platform/qt/QtPorts.h"

#include <QDir>
#include <QGuiApplication>

#include "app/MainFrame.h"
#include "app/ReferenceApp.h"
#include "platform/qt/AppIcon.h"
#include "platform/qt/QtPosting.h"
#include "platform/midiout/MidiOutChoice.h"
#include "platform/midiout/UnavailableMidiOut.h"
#include "platform/sound/SynthOutputs.h"

namespace {

QStringList ImageFolders(const std::string& homeDir)
{
    QDir home(QString::fromStdString(homeDir));
    return {home.filePath(QStringLiteral("images")), home.filePath(QStringLiteral("res/images"))};
}

SynthBackend WatchedBackend(QtSequencerWatch& watch)
{
    SynthBackend backend = LinkedSynthBackend();
    backend.watchPorts = [&watch](std::function<void()> changed) { watch.Start(std::move(changed)); };
    return backend;
}

}  // namespace

QtPorts::QtPorts(const std::string& homeDir)
    : images_(ImageFolders(homeDir)), windows_(images_), prompts_(&windows_.Widget()),
      sender_(clock_, PostTo(reports_)),
      devices_(WatchedBackend(sequencerWatch_), clock_, {ChosenMidiOut(&settings_), ChosenSoundFont(&settings_)}),
      printer_(images_, &windows_.Widget()), pictures_(images_)
{
    ports_.settings = &settings_;
    ports_.windows = &windows_;
    ports_.prompts = &prompts_;
    ports_.fonts = &fonts_;
    ports_.clipboard = &clipboard_;
    ports_.launcher = &launcher_;
    ports_.clock = &clock_;
    ports_.sender = &sender_;
    std::string error;
    midiOut_ = devices_.MakeOutput(devices_.StartChoice(), error);
    // Play then says what went wrong, rather than play in silence.
    if (!midiOut_) {
        qWarning("%s", error.c_str());
        midiOut_ = std::make_unique<UnavailableMidiOut>(error);
    }
    ports_.midiOut = midiOut_.get();
    ports_.midiDevices = &devices_;
    ports_.midiIn = &midiIn_;
    ports_.media = &media_;
    ports_.printer = &printer_;
    ports_.pictures = &pictures_;
    // Every window without an icon of its own shows the application's.
    QIcon icon = LoadAppIcon(homeDir);
    if (!icon.isNull())
        QGuiApplication::setWindowIcon(icon);
}

void QtPorts::Attach(CReferenceApp& app)
{
    MainWindowHooks hooks;
    hooks.close = [&app] { app.MainFrame().OnClose(); };
    hooks.historyChosen = [&app](int index) { app.MainFrame().OnHistorySelChange(index); };
    hooks.fileDropped = [&app](const std::string& path) { app.OpenFileByType(path); };
    hooks.contextMenu = [&app] { return app.MainFrame().ContextMenu(); };
    windows_.Attach(app, std::move(hooks));
}

void QtPorts::Detach()
{
    windows_.Detach();
}
