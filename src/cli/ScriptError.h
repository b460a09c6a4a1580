#pragma once
// A script line that cannot be carried out; the runner stops with it.
#include <stdexcept>

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
