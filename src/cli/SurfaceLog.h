#pragma once
// A drawing surface that prints every call, one per line, so that a graph
// view can be checked without a display:
//   fill LEFT TOP RIGHT BOTTOM color=N
//   text X Y "TEXT" fore=N back=N opaque|transparent
//   image X Y ID
//   line X1 Y1 X2 Y2 color=N
//   invert LEFT TOP RIGHT BOTTOM
// Line-drawing bytes of texts print as Unicode box drawing.
#include <ostream>

#include "framework/Drawing.h"

class SurfaceLog : public IDrawingSurface {
public:
    SurfaceLog(std::ostream& out, Rect clip) : out_(out), clip_(clip) {}

    void FillRect(const Rect& rect, Color color) override;
    void Text(int x, int y, const std::string& bytes, const LogFont& font, Color fore, Color back,
              bool opaque) override;
    void Image(int x, int y, int resourceId) override;
    void Line(int x1, int y1, int x2, int y2, Color color) override;
    void InvertRect(const Rect& rect) override;
    Rect ClipBox() const override { return clip_; }

private:
    std::ostream& out_;
    Rect clip_;
};
