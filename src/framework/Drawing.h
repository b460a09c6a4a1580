#pragma once
// Drawing surface port: what a drawn view paints with. Text is passed as
// bytes; the surface maps line-drawing bytes to glyphs at the edge.
#include <string>

#include "framework/Font.h"
#include "framework/Placement.h"

using Color = unsigned;  // red in the lowest byte, then green, then blue

inline constexpr Color MakeColor(int r, int g, int b)
{
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}

class IDrawingSurface {
public:
    virtual ~IDrawingSurface() = default;
    virtual void FillRect(const Rect& rect, Color color) = 0;
    virtual void Text(int x, int y, const std::string& bytes, const LogFont& font, Color fore,
                      Color back, bool opaque) = 0;
    // Draws an image resource ANDed onto what is there (black shapes on white).
    virtual void Image(int x, int y, int resourceId) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, Color color) = 0;
    virtual void InvertRect(const Rect& rect) = 0;
    virtual Rect ClipBox() const = 0;
};
