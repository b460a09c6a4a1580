#include "cli/ModelOptions.h"

#include <charconv>
#include <ostream>

#include "cli/Catalogues.h"
#include "harmony/ModelState.h"

namespace {

// A record index, or the first chord whose short name matches; -1 for none.
int FindChord(const CChordCatalog& chords, const std::string& text)
{
    int index = -1;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error == std::errc() && end == text.data() + text.size())
        return index >= 0 && index < chords.Count() - 1 ? index : -1;
    for (int i = 0; i < chords.Count() - 1; ++i)
        if (chords.GetKey(i) == text && chords.GetKey(i) != "group")
            return i;
    return -1;
}

} // namespace

bool ModelOptions::Take(const SubcommandArgs& args, std::size_t& i)
{
    const std::string& word = args[i];
    std::optional<std::string>* target = word == "--key"        ? &key
                                         : word == "--scale"    ? &scale
                                         : word == "--chord"    ? &chord
                                         : word == "--notation" ? &notation
                                                                : nullptr;
    if (!target || i + 1 >= args.size())
        return false;
    *target = args[i + 1];
    i += 2;
    return true;
}

bool ModelOptions::Apply(const Catalogues& catalogues, CModelState& model, const char* command,
                         std::ostream& err) const
{
    if (key && !model.SelectKey(*key)) {
        err << "morvix-cli " << command << ": the key " << *key << " is not a note name\n";
        return false;
    }
    if (scale) {
        int index = catalogues.scales.FindByFullName(*scale);
        if (index < 0) {
            err << "morvix-cli " << command << ": no scale is named \"" << *scale << "\"\n";
            return false;
        }
        model.SelectScale(index);
    }
    if (chord) {
        int index = FindChord(catalogues.chords, *chord);
        if (index < 0) {
            err << "morvix-cli " << command << ": no chord " << *chord << "\n";
            return false;
        }
        model.SelectChord(index);
    }
    if (notation) {
        if (notation->size() != 1) {
            err << "morvix-cli " << command << ": a notation is one character (e c p n r h v)\n";
            return false;
        }
        model.notation = (*notation)[0];
    }
    return true;
}
