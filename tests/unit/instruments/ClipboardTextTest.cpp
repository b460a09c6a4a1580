#include <gtest/gtest.h>

#include "instruments/ClipboardText.h"
#include "instruments/InstrumBase.h"

namespace {

InstrumBase WithLines(std::vector<std::string> lines)
{
    InstrumBase base;
    base.ClearLines();
    for (std::string& line : lines)
        base.AppendLine(std::move(line));
    return base;
}

} // namespace

TEST(ClipboardText, CopyAllEndsEveryLineAndTheWholeWithCrLf)
{
    EXPECT_EQ(CopyAllText(WithLines({})), "\r\n");
    EXPECT_EQ(CopyAllText(WithLines({"ab", "c"})), "ab\r\nc\r\n\r\n");
}

TEST(ClipboardText, VignetteCopiesTheVisibleCellsPastTheMargin)
{
    InstrumBase base = WithLines({"0123456789", "abcdefghij", "xy", "klmnopqrst"});
    VisibleArea area{3, 0, 40, 24, 8, 12};  // 5 columns, 2 lines
    EXPECT_EQ(VignetteText(base, area), "01234\r\nabcde\r\n\r\n");
    area.scrollX = 4 + 8;  // one cell past the margin
    EXPECT_EQ(VignetteText(base, area), "12345\r\nbcdef\r\n\r\n");
    area.scrollX = 4 + 3 * 8;
    area.scrollY = 4 + 12;
    EXPECT_EQ(VignetteText(base, area), "defgh\r\n\r\n\r\n");  // "xy" is shorter than the first column
    area.scrollY = 4 + 3 * 12;
    EXPECT_EQ(VignetteText(base, area), "nopqr\r\n\r\n");  // no lines past the last
}

TEST(ClipboardText, VignetteOfAFontWithoutSizeDoesNotDivideByZero)
{
    InstrumBase base = WithLines({"ab"});
    VisibleArea area{0, 0, 10, 10, 0, 0};
    EXPECT_EQ(VignetteText(base, area), "ab\r\n\r\n");
}

TEST(ClipboardText, LineDrawingBytesBecomeBoxDrawingCharacters)
{
    EXPECT_EQ(GridTextToUtf8("\xC5" "A\xC4\xB3"), "\u253C" "A\u2500\u2502");
}
