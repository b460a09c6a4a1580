#include "app/CommandPrompts.h"

#include <map>

#include "app/AppCommands.h"
#include "framework/CommandIds.h"
#include "harmony/Keys.h"
#include "harmony/ModelCommands.h"
#include "instruments/InstrumCommands.h"

std::string CommandPromptText(int id)
{
    static const std::map<int, std::string> prompts = {
        {ID_NEW_MODEL, "Create a new theory model"},
        {ID_TUTORIAL, "This selection opens the Tutorial file."},
        {ID_IDENTIFY, "Name the chords and scales of the notes you play\nIdentify"},
        {ID_VIEW_FONT, "Change this document view font"},
        {102, "Selections from primary model history\nPrimary model history"},
        {ID_PREVIOUS_MODEL, "Previous primary model history instance\nPrevious model"},
        {ID_NEXT_MODEL, "Next primary model history instance\nNext model"},
        {ID_NEXT_WINDOW, "Activate window under top moving top to bottom\nNext window"},
        {ID_NEW_WINDOW, "Open another window for the active document\nNew Window"},
        {ID_PREVIOUS_WINDOW, "Activate bottom window and raise to top\nPrevious window"},
        {ID_FILE_NEW, "Create a new document\nNew"},
        {ID_FILE_OPEN, "Open an existing document\nOpen"},
        {ID_FILE_SAVE, "Save the active document\nSave"},
        {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
        {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
        {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
        {ID_EDIT_UNDO, "Undo the last action\nUndo"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_EXAMINE, "List the events of a Standard MIDI File"},
        {ID_NOTATION, "Choose how notes are labelled"},
        {ID_SOUND_SETTINGS, "Choose the MIDI output, the SoundFont and the volume\nSound settings"},
        {ID_EXPORT_IMAGE, "Write the drawing to an SVG or PNG picture file\nExport Image"},
    };
    if (const KeyCommand* key = FindKeyCommand(id))
        return std::string(key->prompt);
    auto it = prompts.find(id);
    return it == prompts.end() ? std::string() : it->second;
}
