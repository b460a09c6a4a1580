// Any bytes read as a scale or chord catalogue must give lookups and menus
// without crashing or hanging, and must keep the menu ids in their ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "harmony/ChordCatalog.h"
#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckIds(const CMenu& menu, int base)
{
    for (const MenuItem& item : menu.Items()) {
        if (item.kind == MenuItem::Kind::Popup)
            CheckIds(*item.popup, base);
        else
            Require(item.id >= base && item.id < base + 128);
    }
}

void WalkScales(const CScaleCatalog& scales)
{
    CheckIds(*scales.BuildMenu(), CScaleCatalog::kCommandBase);
    for (int i = 0; i < CScaleCatalog::kCapacity; ++i) {
        Require(scales.GetNodeName(i).size() <= CScaleCatalog::kNameLimit);
        if (i % 8 == 0)
            Require(scales.FindByFullName(scales.GetFullName(i)) <= i);
        int next = scales.NextSibling(i);
        Require(next == -1 || next > i);
        Require(scales.GetParent(i) < i);
    }
}

void WalkChords(const CChordCatalog& chords)
{
    CheckIds(*chords.BuildMenu(), CChordCatalog::kCommandBase);
    for (int i = 0; i < CChordCatalog::kCapacity; ++i)
        chords.GetGroup(i);
}

// Shows the first chords on the first scales, so odd catalogue text also
// reaches the chord speller (all 128 would only slow the search down).
void ShowChords(const CScaleCatalog& scales, const CChordCatalog& chords)
{
    CNoteSpeller speller;
    CModelState model(speller, scales, chords);
    model.SetDefaults();
    for (int i = 0; i < chords.Count() && i < 32; ++i) {
        model.SelectScale(i % 4);
        model.SelectChord(i);
        model.notation = "ecpnrhv"[i % 7];
        model.Recompute({"x"});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CScaleCatalog scales;
    scales.ReadText(text);
    WalkScales(scales);
    CChordCatalog chords;
    chords.ReadText(text);
    WalkChords(chords);
    ShowChords(scales, chords);
    return 0;
}
