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

// Exactly `count` decimal digits of `value` (zero-padded, higher digits
// dropped) at `out`.
inline void WriteDigits(char* out, std::uint64_t value, int count)
{
    for (int i = count; i-- > 0; value /= 10)
        out[i] = static_cast<char>('0' + value % 10);
}

// Decimal value right-aligned in `width` characters, padded with `fill`.
void AppendUnsigned(std::string& out, std::uint64_t value, int width = 0, char fill = ' ');
void AppendSigned(std::string& out, std::int64_t value);
// Two upper-case hex digits per byte.
void AppendHexByte(std::string& out, std::uint8_t value);
// `text` right-aligned in `width` characters.
void AppendPadded(std::string& out, std::string_view text, int width);
