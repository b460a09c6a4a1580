#include "instruments/KeyboardGraph.h"

#include <string>
#include <vector>

#include "framework/Drawing.h"
#include "instruments/InstrumBase.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/KeyboardLabels.h"
#include "instruments/KeyboardLayout.h"

namespace {

// Labels on the turned keys are placed from this x, the keys' far end less ten pixels.
constexpr int kVerticalLabelEdge = kKeyImageLength - 10;

struct PlacedKey {
    const KeyImage* image;
    int start;  // left edge (horizontal) or top edge (vertical) in pixels
};

bool IsWhite(const KeyImage& image)
{
    return image.along >= 100;
}

// The first key stands at the left (or top) edge whatever its overlap; a
// keyboard from C draws its C at 0, as before.
std::vector<PlacedKey> PlaceKeys(int firstRow, int keyCount, int& edge)
{
    std::vector<PlacedKey> keys;
    keys.reserve(static_cast<std::size_t>(keyCount));
    edge = kKeyImages[static_cast<std::size_t>(firstRow)].overlap;
    for (int i = 0; i < keyCount; ++i) {
        const KeyImage& image = kKeyImages[static_cast<std::size_t>((firstRow + i) % 12)];
        keys.push_back({&image, edge - image.overlap});
        edge += image.width - image.overlap;
    }
    if (keyCount == 0)
        edge = 1;
    return keys;
}

class LabelPainter {
public:
    LabelPainter(IDrawingSurface& surface, const KeyboardInstrument& keyboard, const InstrumBase& base)
        : surface_(surface),
          keyboard_(keyboard),
          font_(base.logFont),
          fore_(base.foreColor),
          back_(base.backColor),
          opaque_(keyboard.topKey != 't')
    {
    }

    void Paint(const PlacedKey& key, std::string_view label) const
    {
        bool white = IsWhite(*key.image);
        // Black keys show their labels inverted, unless the keys are opaque.
        bool inverted = !white && keyboard_.topKey != 'o';
        Color fore = inverted ? back_ : fore_;
        Color back = inverted ? fore_ : back_;
        if (keyboard_.orientation == 'd')
            PaintAcross(key, label, white, fore, back);
        else if (white)
            PaintCentred(key, label, fore, back);
        else
            PaintStacked(key, label, fore, back);
    }

private:
    int H() const { return font_.height; }
    int W() const { return font_.width; }
    void Text(int x, int y, std::string_view text, Color fore, Color back) const
    {
        surface_.Text(x, y, std::string(text), font_, fore, back, opaque_);
    }

    void PaintCentred(const PlacedKey& key, std::string_view label, Color fore, Color back) const
    {
        int width = static_cast<int>(label.size()) * W();
        Text(key.start + key.image->across - width / 2, key.image->along - H() / 2, label, fore, back);
    }

    // One character above the other, read from the top down as the text
    // view writes them; the lowest stands where it always did.
    void PaintStacked(const PlacedKey& key, std::string_view label, Color fore, Color back) const
    {
        int count = static_cast<int>(label.size());
        int x = key.start + key.image->across - W() / 2;
        int y = key.image->along + count * H() / 2 - (count - 1) * H();
        for (char c : label) {
            Text(x, y, std::string_view(&c, 1), fore, back);
            y += H();
        }
    }

    void PaintAcross(const PlacedKey& key, std::string_view label, bool white, Color fore, Color back) const
    {
        int x = kVerticalLabelEdge - key.image->along - (white ? W() / 2 : 0);
        Text(x, key.start + key.image->across - H() / 2, label, fore, back);
    }

    IDrawingSurface& surface_;
    const KeyboardInstrument& keyboard_;
    const LogFont& font_;
    Color fore_;
    Color back_;
    bool opaque_;
};

} // namespace

PixelSize KeyboardGraphSize(const KeyboardInstrument& keyboard, int tonic, const CNoteSpeller& speller)
{
    int edge = 1;
    PlaceKeys(FindKeyboardStart(keyboard, tonic, speller).layoutRow, BoundKeyCount(keyboard.keyCount), edge);
    return keyboard.orientation == 'd' ? PixelSize{kKeyImageLength, edge} : PixelSize{edge, kKeyImageLength};
}

PixelSize PaintKeyboardGraph(IDrawingSurface& surface, const KeyboardInstrument& keyboard, const CNoteSpeller& speller,
                             const NoteSources* sources, const InstrumBase& base)
{
    bool vertical = keyboard.orientation == 'd';
    KeyboardStart start = FindKeyboardStart(keyboard, sources ? sources->tonic : 0, speller);
    int edge = 1;
    std::vector<PlacedKey> keys = PlaceKeys(start.layoutRow, BoundKeyCount(keyboard.keyCount), edge);
    PixelSize size = vertical ? PixelSize{kKeyImageLength, edge} : PixelSize{edge, kKeyImageLength};
    surface.FillRect(surface.ClipBox(), base.backColor);
    for (const PlacedKey& key : keys) {
        if (vertical)
            surface.Image(0, key.start, key.image->verticalImage);
        else
            surface.Image(key.start, 0, key.image->horizontalImage);
    }
    if (!sources)
        return size;
    KeyboardLabels labels(*sources, start.labelOffset, keyboard.octave);
    LabelPainter painter(surface, keyboard, base);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string_view label = labels.LabelOf(static_cast<int>(i));
        if (!label.empty())
            painter.Paint(keys[i], label);
    }
    return size;
}
