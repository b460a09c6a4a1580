#pragma once
// Command ids shared by the framework's standard commands.
enum StandardCommand {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PAGE_SETUP = 57605,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FIRST = 57616,
    ID_FILE_MRU_LAST = 57631,
    ID_EDIT_CLEAR = 57632,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_FIND = 57636,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_REPLACE = 57640,
    ID_EDIT_SELECT_ALL = 57642,
    ID_EDIT_UNDO = 57643,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_WINDOW_TILE_VERT = 57652,
    // Every open window in turn (Ctrl+F6, Ctrl+Shift+F6).
    ID_WINDOW_NEXT_CHILD = 57654,
    ID_WINDOW_PREVIOUS_CHILD = 57655,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_INDEX = 57666,
    ID_HELP_FINDER = 57667,
    ID_HELP_USING = 57668,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_DEFAULT_HELP = 57671,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    // The open windows listed at the end of the Window popup.
    ID_WINDOW_CHILD_FIRST = 65280,
    ID_WINDOW_CHILD_LAST = 65288,
    // Ends the list when more windows are open than it shows.
    ID_WINDOW_MORE = 65289,
};

// The font and scroll-bar commands every text or drawn view takes.
enum ViewCommand {
    ID_VIEW_FONT = 32850,
    ID_SCROLL_NONE = 32855,
    ID_SCROLL_VERTICAL = 32856,
    ID_SCROLL_HORIZONTAL = 32857,
    ID_SCROLL_BOTH = 32858,
};

// Dynamic menus take a base id plus a record index, 128 ids to a range.
inline constexpr int kCommandRangeSize = 128;
