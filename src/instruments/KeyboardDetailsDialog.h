#pragma once
// " Keyboard Instrument Details": key count, channel, orientation,
// position, top keys, view style and the font scale.
class CKeyboardDoc;

void RunKeyboardDetails(CKeyboardDoc& doc);
