#pragma once
// A drawing surface that keeps every call, for tests of the graph views.
#include <string>
#include <vector>

#include "framework/Drawing.h"

struct DrawnImage {
    int x, y, id;
    bool operator==(const DrawnImage&) const = default;
};

struct DrawnText {
    int x, y;
    std::string text;
    Color fore, back;
    bool opaque;
};

struct DrawnLine {
    int x1, y1, x2, y2;
    bool operator==(const DrawnLine&) const = default;
};

class RecordingSurface : public IDrawingSurface {
public:
    void FillRect(const Rect& rect, Color color) override { fills.push_back({rect, color}); }
    void Text(int x, int y, const std::string& bytes, const LogFont&, Color fore, Color back, bool opaque) override
    {
        texts.push_back({x, y, bytes, fore, back, opaque});
    }
    void Image(int x, int y, int resourceId) override { images.push_back({x, y, resourceId}); }
    void Line(int x1, int y1, int x2, int y2, Color) override { lines.push_back({x1, y1, x2, y2}); }
    void InvertRect(const Rect& rect) override { inverted.push_back(rect); }
    Rect ClipBox() const override { return clip; }

    std::vector<DrawnImage> ImagesWithId(int id) const
    {
        std::vector<DrawnImage> found;
        for (const DrawnImage& image : images)
            if (image.id == id)
                found.push_back(image);
        return found;
    }

    Rect clip{0, 0, 2112, 3168};
    struct Fill {
        Rect rect;
        Color color;
    };
    std::vector<Fill> fills;
    std::vector<DrawnText> texts;
    std::vector<DrawnImage> images;
    std::vector<DrawnLine> lines;
    std::vector<Rect> inverted;
};
