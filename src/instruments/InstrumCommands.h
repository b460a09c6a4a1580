#pragma once
// Command ids of the instrument windows besides the framework's Copy
// (Copy All here), Save, Save As, Font and scroll-bar commands.
enum InstrumCommand {
    ID_CHANNEL = 229,
    ID_DETAILS = 32852,
    ID_VIGNETTE = 32895,
    ID_COLORS = 32898,
    // File > Export Image...
    ID_EXPORT_IMAGE = 32920,
    // No menu item: Ctrl+Shift+C in the instrument windows.
    ID_CYCLE_CHORDSET = 32900,
};
