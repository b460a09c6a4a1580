#pragma once
// Runs a script of user actions against the whole application on the
// headless ports. Lines run one after the other on virtual time; a playback
// runs on meanwhile, each message sent as a line's wait passes its time, so
// the following lines act during the playback as a user would.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ReferenceApp.h"
#include "platform/headless/HeadlessPorts.h"
#include "platform/midiout/MidiDevices.h"
#include "platform/midiout/SynthModule.h"
#include "platform/picture/ModulePictureWriter.h"

class ScriptRunner {
public:
    // name names the script in messages; relative paths in the script are
    // taken from baseDir.
    ScriptRunner(std::vector<std::string> lines, std::string name, std::string baseDir,
                 std::ostream& out, std::ostream& err);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // 0 when every line ran, 2 when a line stopped the script, 1 when every
    // line ran but an exit could not write its files.
    int Run();

    // For the script commands.
    std::ostream& Out() { return out_; }
    HeadlessPorts& Ports() { return ports_; }
    bool Started() const { return app_ != nullptr; }
    // The running application; a ScriptError before start.
    CReferenceApp& App();
    // Start-up of a new application object, as a new process would do it.
    void Start(const std::vector<std::string>& args);
    void Wait(std::int64_t ms) { pendingWait_ += ms; }
    std::string ResolvePath(const std::string& path) const;
    // An exit could not write its files: the lines go to stderr.
    void ExitUnsaved(const std::string& lines);
    // The number of the line being run, counting from 1.
    size_t LineNumber() const { return current_ + 1; }

private:
    void RunLine(size_t index);
    // Lets the line's waits pass, and what is due now happen.
    void SpendWait();
    // Ends the application after exit, as the process would end.
    void AfterLine();
    void Stop(size_t index, const std::string& message);

    std::vector<std::string> lines_;
    std::string name_;
    std::string baseDir_;
    std::ostream& out_;
    std::ostream& err_;
    HeadlessPorts ports_;
    SynthModule synth_;
    std::optional<MidiDevices> devices_;
    ModulePictureWriter pictures_;
    std::unique_ptr<IMidiOut> chosenOutput_;
    std::unique_ptr<CReferenceApp> app_;
    size_t next_ = 0;
    size_t current_ = 0;
    std::int64_t pendingWait_ = 0;
    int status_ = 0;
    bool exitUnsaved_ = false;
};
