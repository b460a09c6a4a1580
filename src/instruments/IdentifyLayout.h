#pragma once
// Where the Identify window puts things: a one-octave keyboard at the top,
// the entered notes below it, then one line per result. Drawing and mouse
// hits both go through this, so they cannot disagree.
#include "framework/Placement.h"
#include "framework/Windows.h"

class IdentifyLayout {
public:
    static constexpr int kMargin = 8;
    static constexpr int kWhiteWidth = 24;
    static constexpr int kWhiteHeight = 64;
    static constexpr int kBlackWidth = 14;
    static constexpr int kBlackHeight = 40;

    // lineHeight and charWidth of the window's text font.
    IdentifyLayout(int lineHeight, int charWidth);

    // The key of pitch class 0..11 (C at the left).
    Rect KeyRect(int pitchClass) const;
    static bool IsBlack(int pitchClass);
    // The pitch class whose key holds the point, or -1; black keys lie on top.
    int KeyAt(int x, int y) const;

    int LineHeight() const { return lineHeight_; }
    int CharWidth() const { return charWidth_; }
    int NotesTop() const;
    int HeaderTop() const;
    int ResultTop(int row) const;
    // The result row at y, or -1 above the first; rows past count give -1.
    int RowAt(int y, int count) const;
    // The whole drawing for count result lines of at most columns characters.
    Size DrawingSize(int count, int columns) const;

private:
    int lineHeight_;
    int charWidth_;
};
