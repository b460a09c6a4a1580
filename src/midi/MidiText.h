#pragma once
// The few printf-style conversions the MIDI descriptions need, appended to a
// string without a format parser: listings of large files build hundreds of
// thousands of lines.
#include <cstdint>
#include <string>
#include <string_view>

// Writes `value` in decimal right-aligned in `width` characters ending at
// `end`, padded with `fill`; returns where it starts. `end` must have room
// for the larger of `width` and 20 characters before it.
char* FormatUnsigned(char* end, std::uint64_t value, int width = 0, char fill = ' ');

// Writes `value` in decimal right-aligned in `width` characters starting at
// `out`, padded with `fill`; returns where it ends. Inline: every record's
// text has two of these and a note line four more.
inline char* WritePadded(char* out, std::uint64_t value, int width, char fill)
{
    int digits = 1;
    for (std::uint64_t rest = value; rest >= 10; rest /= 10)
        ++digits;
    for (int pad = width - digits; pad > 0; --pad)
        *out++ = fill;
    char* const end = out + digits;
    for (char* digit = end; digit != out; value /= 10)
        *--digit = static_cast<char>('0' + value % 10);
    return end;
}

// Every number below 1000 as three characters, padded with zeros or blanks:
// the tick columns and note fields are copied from these rather than divided
// out digit by digit, the costliest part of a note's text.
struct DigitTriples {
    char digits[1000][3];
};

constexpr DigitTriples MakeDigitTriples(char fill)
{
    DigitTriples triples{};
    for (int value = 0; value < 1000; ++value) {
        char* const digits = triples.digits[value];
        digits[0] = value >= 100 ? static_cast<char>('0' + value / 100) : fill;
        digits[1] = value >= 10 ? static_cast<char>('0' + value / 10 % 10) : fill;
        digits[2] = static_cast<char>('0' + value % 10);
    }
    return triples;
}

inline constexpr DigitTriples kZeroPadded = MakeDigitTriples('0');
inline constexpr DigitTriples kBlankPadded = MakeDigitTriples(' ');

// Decimal value right-aligned in `width` characters, padded with `fill`.
void AppendUnsigned(std::string& out, std::uint64_t value, int width = 0, char fill = ' ');
void AppendSigned(std::string& out, std::int64_t value);
// Two upper-case hex digits per byte.
void AppendHexByte(std::string& out, std::uint8_t value);
// `text` right-aligned in `width` characters.
void AppendPadded(std::string& out, std::string_view text, int width);
