#include "cli/ScriptRunner.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "app/HomeDir.h"
#include "app/PracticeSounds.h"
#include "cli/Catalogues.h"
#include "cli/ScriptCommands.h"
#include "cli/ScriptError.h"
#include "cli/ScriptLine.h"
#include "platform/midiout/MidiOutChoice.h"

ScriptRunner::ScriptRunner(std::vector<std::string> lines, std::string name, std::string baseDir,
                           std::ostream& out, std::ostream& err)
    : lines_(std::move(lines)), name_(std::move(name)), baseDir_(std::move(baseDir)), out_(out), err_(err),
      ports_(out, HeadlessPorts::SettingsFromEnvironment(err)), pictures_(ProgramImageFolders())
{
    ports_.Get().pictures = &pictures_;
    // Scripts keep the messages in memory ("print midi") unless an output is
    // chosen; a chosen one still runs on the script's virtual time.
    const char* chosen = std::getenv("MORVIX_MIDI_OUT");
    const SoundChoice start{chosen && *chosen ? chosen : "", ChosenSoundFont(ports_.settings.get())};
    devices_.emplace(synth_.Backend(), ports_.clock, start,
                     start.output.empty() ? "MIDI messages kept for print midi" : "");
    ports_.Get().midiDevices = &*devices_;
    if (!start.output.empty()) {
        std::string error;
        chosenOutput_ = devices_->MakeOutput(start, error);
        if (chosenOutput_)
            ports_.Get().midiOut = chosenOutput_.get();
        else
            err_ << name_ << ": " << error << "\n";
    }
}

ScriptRunner::~ScriptRunner()
{
    app_.reset();
    chosenOutput_.reset();
}

// A playback still running at the end plays on to its end, as it would
// before the program was closed; the sound loop and the ticks, which have
// no end, stop there.
int ScriptRunner::Run()
{
    while (status_ == 0 && next_ < lines_.size()) {
        RunLine(next_++);
        SpendWait();
        AfterLine();
    }
    if (app_)
        app_->Practice().StopAll();
    ports_.clock.RunUntilIdle();
    app_.reset();
    ports_.settings->Flush();
    return status_ == 0 && exitUnsaved_ ? 1 : status_;
}

void ScriptRunner::ExitUnsaved(const std::string& lines)
{
    err_ << lines;
    exitUnsaved_ = true;
}

CReferenceApp& ScriptRunner::App()
{
    if (!app_)
        throw ScriptError("there is no running application: start it first");
    return *app_;
}

void ScriptRunner::Start(const std::vector<std::string>& args)
{
    if (app_)
        throw ScriptError("the application is already running");
    app_ = std::make_unique<CReferenceApp>(ports_.Get(), FindProgramFiles());
    if (!app_->InitInstance(args)) {
        out_ << "start ended without a main window, exit code " << app_->StartupExitCode() << "\n";
        if (!app_->StartupProblem().empty())
            err_ << "start " << app_->StartupProblem() << "\n";
        app_.reset();
        ports_.ResetWindows();
    }
}

std::string ScriptRunner::ResolvePath(const std::string& path) const
{
    std::filesystem::path given(path);
    if (path.empty() || given.is_absolute())
        return path;
    return (std::filesystem::path(baseDir_) / given).lexically_normal().string();
}

void ScriptRunner::SpendWait()
{
    ports_.clock.Advance(pendingWait_);
    pendingWait_ = 0;
}

void ScriptRunner::RunLine(size_t index)
{
    current_ = index;
    try {
        ScriptWords words = SplitScriptLine(lines_[index]);
        if (!words.empty())
            RunScriptCommand(*this, words);
    } catch (const ScriptError& error) {
        Stop(index, error.what());
        return;
    }
    if (auto error = ports_.prompts.TakeError())
        Stop(index, *error);
}

void ScriptRunner::AfterLine()
{
    if (!app_)
        return;
    // Nothing of the application is on the stack here, so closed windows
    // and documents can go.
    app_->CollectGarbage();
    if (!ports_.Windows().MainWindow().QuitRequested())
        return;
    app_.reset();
    ports_.ResetWindows();
    ports_.settings->Flush();
}

void ScriptRunner::Stop(size_t index, const std::string& message)
{
    err_ << name_ << ":" << index + 1 << ": " << message << "\n";
    status_ = 2;
}
