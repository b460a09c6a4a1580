#pragma once
// Keyboard accelerators as data: a key chord in the toolkit's portable text
// form ("Ctrl+Tab", "Shift+F1") and the command it sends.
#include <string>
#include <vector>

struct Accelerator {
    std::string keys;
    int id = 0;
};

using AcceleratorTable = std::vector<Accelerator>;
