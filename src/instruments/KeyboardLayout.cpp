#include "instruments/KeyboardLayout.h"

namespace {

// Code page 437 bytes of the line-drawing font.
constexpr char kShade = '\xB2';
constexpr char kVertical = '\xB3';
constexpr char kVerticalLeft = '\xB4';
constexpr char kUpRight = '\xC0';
constexpr char kUpHorizontal = '\xC1';
constexpr char kDownHorizontal = '\xC2';
constexpr char kVerticalRight = '\xC3';
constexpr char kHorizontal = '\xC4';
constexpr char kUpLeft = '\xD9';
constexpr char kDownRight = '\xDA';
constexpr char kBlock = '\xDB';

std::string Run(char c, int count)
{
    return std::string(static_cast<std::size_t>(count), c);
}

KeyTemplates HorizontalLineDrawing(char blackFill)
{
    return {kDownHorizontal + Run(kVertical, 10) + kUpHorizontal,
            kHorizontal + Run(' ', 10) + kHorizontal,
            kDownHorizontal + Run(kVertical, 5) + kUpRight + Run(' ', 4) + kHorizontal,
            kHorizontal + Run(blackFill, 5) + kDownHorizontal + Run(kVertical, 4) + kUpHorizontal,
            kDownHorizontal + Run(kVertical, 5) + kUpLeft + Run(' ', 4) + kHorizontal};
}

KeyTemplates HorizontalAscii(char blackFill)
{
    return {"_||||||||||-", "_          -", "_||||||    -", "_" + Run(blackFill, 5) + "_||||-", "_||||||    -"};
}

KeyTemplates VerticalLineDrawing(char blackFill)
{
    return {kVerticalRight + Run(kHorizontal, 39) + kVerticalLeft,
            kVertical + Run(' ', 39) + kVertical,
            kVertical + Run(' ', 19) + kDownRight + Run(kHorizontal, 19) + kVerticalLeft,
            kVerticalRight + Run(kHorizontal, 19) + kVerticalLeft + Run(blackFill, 19) + kVertical,
            kVertical + Run(' ', 19) + kUpRight + Run(kHorizontal, 19) + kVerticalLeft};
}

KeyTemplates VerticalAscii(char blackFill)
{
    return {"|" + Run('-', 39) + "|", "|" + Run(' ', 39) + "|", "|" + Run(' ', 19) + "+" + Run('-', 19) + "|",
            "|" + Run('-', 19) + "|" + Run(blackFill, 19) + "|", "|" + Run(' ', 19) + "+" + Run('-', 19) + "|"};
}

} // namespace

KeyTemplates SelectKeyTemplates(bool lineDrawing, char orientation, char topKey)
{
    bool horizontal = orientation != 'd';
    char fill = ' ';
    if (topKey == 't')
        fill = lineDrawing ? kShade : (horizontal ? '-' : ':');
    else if (topKey == 'o')
        fill = lineDrawing ? kBlock : (horizontal ? '=' : '%');
    if (horizontal)
        return lineDrawing ? HorizontalLineDrawing(fill) : HorizontalAscii(fill);
    return lineDrawing ? VerticalLineDrawing(fill) : VerticalAscii(fill);
}
