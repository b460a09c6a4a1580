#pragma once
// The keyboard input window's picture: its 41 keys drawn as the keyboard
// instrument draws a keyboard, from the key images in the graph view (its
// first style) or from the key templates in the text view, every key held
// or sounding in the window's own playback marked "*".
#include <string>
#include <vector>

#include "harmony/NoteSpeller.h"
#include "instruments/InstrumBase.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/NoteSources.h"
#include "midi/KeyboardInputView.h"

class CRecorderView : public CKeyboardInputView {
public:
    CRecorderView();

    KeyboardInstrument keyboard;
    InstrumBase base;

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, int hint) override;
    void OnDraw(IDrawingSurface& surface) override;
    // The text keyboard, whichever view style is shown.
    std::vector<std::string> AccessibleLines() override;
    std::vector<std::string> TextLines();
    // Printed as the instrument windows print: the drawing, or the lines.
    bool MakePrintJob(PrintJob& job) override;
    bool CanPrint() const override { return GetDocument() != nullptr; }

private:
    // The marks of the keys held or played, as live marks by MIDI note.
    NoteSources MarkedKeys();
    Size DrawingSize();
    // View style, orientation and top keys.
    void OnDetails();

    CNoteSpeller speller_;
    NoteMarks marks_{};
};
