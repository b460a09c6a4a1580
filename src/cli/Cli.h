#pragma once
#include <string>
#include <vector>

// Runs one morvix-cli subcommand; returns the process exit status.
int RunCli(const std::vector<std::string>& args);
