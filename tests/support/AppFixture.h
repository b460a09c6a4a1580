#pragma once
// A whole application on the headless ports, in a temporary home directory
// holding copies of the program's catalogues. Restart() ends it and starts
// another on the same settings and files, as a new process would.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "app/ReferenceApp.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelCommands.h"
#include "platform/headless/HeadlessPorts.h"

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a new application object; true when it reached its main window.
    bool Start();
    // Ends the running application with File > Exit and starts another.
    void Restart();
    void Answer(int reply, std::vector<std::pair<std::string, std::string>> fields = {});
    // The lines "message: ..." printed so far, and forget them.
    std::string TakeOutput();
    std::filesystem::path WriteFile(const std::string& name, const std::string& content);

    CModelDoc* Model() const;
    // Opens the named catalogue instrument on the primary model as its
    // Instrument menu item does; the new window's document.
    template <class Doc>
    Doc* OpenInstrument(const std::string& name)
    {
        int entry = app->Instruments().FindInstrument(name);
        EXPECT_GE(entry, 0) << name;
        Model()->FirstFrame()->Activate();
        app->RouteCommand(ID_INSTRUMENT_FIRST + entry);
        CFrame* frame = app->ActiveFrame();
        return frame ? dynamic_cast<Doc*>(frame->Document()) : nullptr;
    }
    std::string Report() const;
    // Lets a playback run to its end on the virtual clock; `during(due)`
    // runs whenever it waits, with the millisecond it waits for.
    void RunPlayback(const std::function<void(std::int64_t due)>& during = {});

    std::filesystem::path home;
    std::ostringstream out;
    std::unique_ptr<HeadlessPorts> ports;
    std::unique_ptr<CReferenceApp> app;
};
