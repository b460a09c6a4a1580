#include "harmony/IdentifyText.h"

#include "harmony/Keys.h"

std::array<std::string, 4> IdentifyFields(const IdentifyResult& result, const CScaleCatalog& scales,
                                          const CChordCatalog& chords)
{
    return {result.isChord ? "chord" : "scale", std::string(kKeyCommands[static_cast<std::size_t>(result.key)].name),
            scales.GetFullName(result.scale), result.isChord ? chords.GetKey(result.chord) : "-"};
}

std::string IdentifyLine(const IdentifyResult& result, const CScaleCatalog& scales, const CChordCatalog& chords)
{
    std::array<std::string, 4> fields = IdentifyFields(result, scales, chords);
    return fields[0] + '\t' + fields[1] + '\t' + fields[2] + '\t' + fields[3];
}
