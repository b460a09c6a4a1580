#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// Runs one morvix-cli subcommand; returns the process exit status.
int RunCli(const std::vector<std::string>& args);
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
