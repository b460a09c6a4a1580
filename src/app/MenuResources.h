#pragma once
// The program's menu resources and accelerator tables, built as data. Each
// call makes a fresh menu.
#include "framework/Accelerators.h"
#include "framework/Menu.h"

enum MenuResource {
    IDR_MAINFRAME = 2,
    IDR_GENERAL = 3,
    IDR_STRINGED = 105,
    IDR_KEYBOARD = 106,
    IDR_SHEET = 107,
    IDR_WIND = 108,
    IDR_MODEL = 110,
    IDR_MIDI = 112,
    IDR_GENERAL_CONTEXT = 136,
    IDR_AUDIO = 139,
    IDR_MAIN_CONTEXT = 137,
    IDR_MODEL_CONTEXT = 138,
    IDR_INSTRUMENT_CONTEXT = 141,
    IDR_KEYBOARD_INPUT = 204,
    IDR_IDENTIFY = 150,
};

// Null for an id the program has no menu for.
MenuPtr LoadMenuResource(int id);

// The keys of the instrument windows that no menu item shows.
AcceleratorTable InstrumentAccelerators();
