#pragma once
// The staff's images (resource ids) and where each is anchored: a clef's x
// is its absolute left position; otherwise x and y are subtracted from the
// point the image is drawn at (the note head's or the accidental's centre).
inline constexpr int kTrebleClefImage = 155;
inline constexpr int kBassClefImage = 156;
inline constexpr int kAltoClefImage = 157;
inline constexpr int kSharpImage = 158;
inline constexpr int kFlatImage = 159;
inline constexpr int kNaturalImage = 199;
inline constexpr int kQuarterUpImage = 161;
inline constexpr int kQuarterDownImage = 162;
inline constexpr int kHalfUpImage = 200;
inline constexpr int kHalfDownImage = 201;
inline constexpr int kWholeImage = 202;
inline constexpr int kEighthUpImage = 203;
inline constexpr int kEighthDownImage = 204;

struct ImageAnchor {
    int x = 0;
    int y = 0;
};

// The anchor of a staff image; (0, 0) for any other id.
ImageAnchor SheetImageAnchor(int resourceId);
