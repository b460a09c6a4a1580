#include "cli/Cli.h"

#include <iostream>

int RunCli(const std::vector<std::string>& args)
{
    (void)args;
    std::cout << "usage: morvix-cli COMMAND\n";
    return 0;
}
