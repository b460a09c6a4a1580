// Any text given to the model's state-string parser or taken as a History
// entry must be read without crashing, and what it yields must format and
// parse back to the same fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "harmony/ChordCatalog.h"
#include "harmony/HistoryEntry.h"
#include "harmony/HistoryFile.h"
#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"
#include "text/ReadTokens.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

const char* kScales = " major 1\n 2 2 1 2 2 2 1\n minor 2\n natural 1\n 2 1 2 2 1 2 2\n harmonic 1\n 2 1 2 2 1 3 1\n @\n";
const char* kChords = " none .\n group triad\n I 1-3-5\n group interval\n m3 1,3 min\n @\n";

void RoundTrip(CModelState& model, const CNoteSpeller& speller, const CScaleCatalog& scales,
               const CChordCatalog& chords)
{
    CModelState copy(speller, scales, chords);
    int history = 0;
    std::string formatted = model.FormatModelState(3);
    if (model.notation == '\0' || IsBlank(model.notation))
        return;
    Require(copy.ParseModelState(formatted, history));
    Require(history == 3);
    Require(copy.keyName == model.keyName);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CNoteSpeller speller;
    CScaleCatalog scales;
    scales.ReadText(kScales);
    CChordCatalog chords;
    chords.ReadText(kChords);
    CModelState model(speller, scales, chords);
    model.SetDefaults();

    int history = 0;
    if (model.ParseModelState(text, history)) {
        model.SelectScale(model.scaleIndex);
        model.Recompute({});
        RoundTrip(model, speller, scales, chords);
    }

    model.ApplyHistoryEntry(text);
    model.SelectScale(model.scaleIndex);
    model.Recompute({});
    HistoryEntryParts parts = SplitHistoryEntry(text);
    Require(parts.key.find(' ') == std::string::npos);

    model.chordName = std::string(text);
    model.ComputeNotes();

    std::istringstream in{std::string(text)};
    CHistoryFile file("unused");
    file.Read(in);
    for (const std::string& entry : file.entries)
        Require(entry.size() <= CHistoryFile::kLineLimit && !entry.empty());
    return 0;
}
