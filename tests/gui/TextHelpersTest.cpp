// The small translations at the toolkit's edge: code page 437 glyphs,
// virtual-key codes, menu labels, file filters and text offsets.
#include <gtest/gtest.h>

#include <QSet>

#include "platform/qt/Cp437.h"
#include "platform/qt/FileFilters.h"
#include "platform/qt/MenuText.h"
#include "platform/qt/TextEncoding.h"
#include "platform/qt/VirtualKeys.h"

TEST(Cp437, BoxDrawingBlocksAndShadesMapToTheirGlyphs)
{
    EXPECT_EQ(Cp437ToUnicode(0xC4), u'\u2500');  // horizontal line
    EXPECT_EQ(Cp437ToUnicode(0xB3), u'\u2502');  // vertical line
    EXPECT_EQ(Cp437ToUnicode(0xDA), u'\u250C');
    EXPECT_EQ(Cp437ToUnicode(0xC5), u'\u253C');
    EXPECT_EQ(Cp437ToUnicode(0xCD), u'\u2550');
    EXPECT_EQ(Cp437ToUnicode(0xCE), u'\u256C');
    EXPECT_EQ(Cp437ToUnicode(0xDB), u'\u2588');  // full block
    EXPECT_EQ(Cp437ToUnicode(0xB1), u'\u2592');  // medium shade
    EXPECT_EQ(Cp437ToUnicode(0xFE), u'\u25A0');
    EXPECT_EQ(Cp437ToUnicode(0x80), u'\u00C7');
    EXPECT_EQ(Cp437ToUnicode(0xFF), u'\u00A0');
}

TEST(Cp437, AsciiStaysAndEveryByteHasItsOwnGlyph)
{
    for (int byte = 0x20; byte < 0x7F; ++byte)
        EXPECT_EQ(Cp437ToUnicode(static_cast<unsigned char>(byte)), byte);
    QSet<char16_t> glyphs;
    for (int byte = 1; byte < 256; ++byte)
        glyphs.insert(Cp437ToUnicode(static_cast<unsigned char>(byte)));
    EXPECT_EQ(glyphs.size(), 255);
    EXPECT_EQ(Cp437ToQString("a\xC4\xC4z"), QStringLiteral(u"a\u2500\u2500z"));
}

TEST(VirtualKeys, LettersDigitsAndPunctuationKeys)
{
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A, {}), 65);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Z, {}), 90);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_0, {}), 48);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Space, {}), 32);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Comma, {}), 188);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Period, {}), 190);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Semicolon, {}), 186);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Colon, Qt::ShiftModifier), 186);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Slash, {}), 191);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_BracketLeft, {}), 219);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_BracketRight, {}), 221);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Apostrophe, {}), 222);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F1, {}), 112);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Left, {}), 37);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Slash, Qt::KeypadModifier), 111);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Eacute, {}), 0);
}

TEST(MenuText, AcceleratorTextBecomesAShortcutWhenReadable)
{
    MenuLabel label = ParseMenuLabel("&New\tCtrl+N");
    EXPECT_EQ(label.text, QStringLiteral("&New"));
    EXPECT_EQ(label.shortcut, QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(ParseMenuLabel("E&xit\tAlt+F4").shortcut, QKeySequence(Qt::ALT | Qt::Key_F4));
    EXPECT_EQ(ParseMenuLabel("&Previous Window\tCtrl+Shft+Tab").shortcut,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
    EXPECT_EQ(ParseMenuLabel("Cl&ear\tDel").shortcut, QKeySequence(Qt::Key_Delete));

    MenuLabel plain = ParseMenuLabel("&Font...");
    EXPECT_EQ(plain.text, QStringLiteral("&Font..."));
    EXPECT_TRUE(plain.shortcut.isEmpty());

    MenuLabel odd = ParseMenuLabel("Odd\tNumpad Whatever");
    EXPECT_EQ(odd.text, QStringLiteral("Odd\tNumpad Whatever"));
    EXPECT_TRUE(odd.shortcut.isEmpty());
}

TEST(FileFilters, PairsBecomeQtFiltersWithSpaceSeparatedPatterns)
{
    QStringList filters = ToQtFilters("Audio files (*.mid; *.wav; *.mp3)|*.mid;*.wav;*.mp3|All files|*.*");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QStringLiteral("Audio files (*.mid *.wav *.mp3)"));
    EXPECT_EQ(filters[1], QStringLiteral("All files (*.*)"));
    EXPECT_EQ(ToQtFilters("Midi files (*.mid)|*.mid|"), QStringList{QStringLiteral("Midi files (*.mid)")});
    EXPECT_TRUE(ToQtFilters("").isEmpty());
    EXPECT_TRUE(ToQtFilters("lonely description").isEmpty());
}

TEST(TextEncoding, OffsetsCountUtf8BytesAndCrLfBreaks)
{
    QString text = QStringLiteral(u"a\u00E9b\nc\U0001D11Ed");
    EXPECT_EQ(Utf8OffsetOf(text, 2, false), 3);   // after the two-byte é
    EXPECT_EQ(Utf8OffsetOf(text, 4, false), 5);   // past the line break
    EXPECT_EQ(Utf8OffsetOf(text, 4, true), 6);    // the break is CR LF
    EXPECT_EQ(Utf8OffsetOf(text, 7, false), 10);  // past the four-byte clef
    for (int position : {0, 1, 2, 3, 4, 5, 7, 8})
        for (bool crlf : {false, true})
            EXPECT_EQ(PositionOfUtf8Offset(text, Utf8OffsetOf(text, position, crlf), crlf), position);
    EXPECT_EQ(PositionOfUtf8Offset(text, 2, false), 1);  // inside é: before it
    EXPECT_EQ(PositionOfUtf8Offset(text, 1000, false), text.size());
}

TEST(TextEncoding, InvalidUtf8FallsBackToLatin1)
{
    EXPECT_EQ(DecodeText("caf\xC3\xA9"), QStringLiteral(u"caf\u00E9"));
    EXPECT_EQ(DecodeText("caf\xE9"), QStringLiteral(u"caf\u00E9"));
}
