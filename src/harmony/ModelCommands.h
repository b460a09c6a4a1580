#pragma once
// Command ids of the model's menus. The catalogues' command bases are the
// single source of the Scale and Chord ranges.
#include "framework/CommandIds.h"
#include "framework/Menu.h"
#include "harmony/ChordCatalog.h"
#include "harmony/Keys.h"
#include "harmony/ScaleCatalog.h"

enum ModelCommand {
    ID_KEY_FIRST = kFirstKeyCommand,
    ID_KEY_LAST = kLastKeyCommand,
    ID_SCALE_FIRST = CScaleCatalog::kCommandBase,
    ID_CHORD_FIRST = CChordCatalog::kCommandBase,
    ID_INSTRUMENT_FIRST = 2368,
    ID_FRAME_FIRST = 2496,
    ID_NOTATION = 32859,
};

// The menu-bar item of the model's instrument list; its mnemonic is R
// because File has F.
inline constexpr const char* kFrameMenuText = "F&rame";

// The Key popup, from the table of the seventeen keys.
MenuPtr BuildKeyMenu();
