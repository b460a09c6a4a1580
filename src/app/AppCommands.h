#pragma once
// Command ids of the application's own commands. The model's, the MIDI
// window's and the views' ids live with the code that handles them.
enum AppCommand {
    ID_SOUND_LOOP = 174,
    ID_PLAY_AUDIO = 175,
    ID_LOAD_AUDIO = 182,
    ID_EXAMINE = 200,
    ID_KEYBOARD_INPUT = 205,
    ID_START_TICKS = 207,
    ID_STOP_TICKS = 208,
    ID_SHOW_TICK = 211,
    ID_NEW_MODEL = 32847,
    ID_NEW_WINDOW = 32853,
    ID_PREVIOUS_MODEL = 32864,
    ID_NEXT_MODEL = 32865,
    ID_TUTORIAL = 32868,
    ID_NEXT_WINDOW = 32882,
    ID_IDENTIFY = 32910,
    ID_SOUND_SETTINGS = 32920,
    ID_PREVIOUS_WINDOW = 32883,
};
