#pragma once
// The model choices that "report" and "draw" share: key, scale, chord and
// the model's notation and chord tones, applied to a new model as the menus
// would.
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/Subcommands.h"

class CModelState;
struct Catalogues;

struct ModelOptions {
    std::optional<std::string> key, scale, chord, chordName, notation, chordTones;

    // Takes args[i] and its value when args[i] is one of the model options;
    // advances i past both. False for any other word, and for a missing
    // value or both --chord and --chord-name, which `problem` then names.
    bool Take(const SubcommandArgs& args, std::size_t& i, std::string& problem);
    // Applies the choices; false, after a message naming the command on err,
    // when one of them names nothing: a key not of the Key menu (any letter
    // case is taken), a scale group rather than a scale, an unknown chord.
    bool Apply(const Catalogues& catalogues, CModelState& model, const char* command, std::ostream& err) const;
};
