#pragma once
// A whole application on the headless ports, in a temporary home directory
// holding copies of the program's catalogues. Restart() ends it and starts
// another on the same settings and files, as a new process would.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "app/ReferenceApp.h"
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
    std::string Report() const;

    std::filesystem::path home;
    std::ostringstream out;
    std::unique_ptr<HeadlessPorts> ports;
    std::unique_ptr<CReferenceApp> app;
};
