#pragma once
// How an Identify result reads: its kind, key, scale and chord as words, the
// same in the command line's listing and in the Identify window.
#include <array>
#include <string>

#include "harmony/ChordCatalog.h"
#include "harmony/ChordIdentifier.h"
#include "harmony/ScaleCatalog.h"

// "chord" or "scale", the key name, the scale's full name, the chord's short
// menu name or "-" for a scale.
std::array<std::string, 4> IdentifyFields(const IdentifyResult& result, const CScaleCatalog& scales,
                                          const CChordCatalog& chords);

// The fields joined by tabs.
std::string IdentifyLine(const IdentifyResult& result, const CScaleCatalog& scales, const CChordCatalog& chords);
