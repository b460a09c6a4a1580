#include "midi/MidiText.h"

#include <charconv>

char* FormatUnsigned(char* end, std::uint64_t value, int width, char fill)
{
    char* start = end;
    do {
        *--start = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (end - start < width)
        *--start = fill;
    return start;
}

void AppendUnsigned(std::string& out, std::uint64_t value, int width, char fill)
{
    char digits[24];
    char* const end = digits + sizeof digits;
    if (width > static_cast<int>(sizeof digits)) {
        out.append(static_cast<std::size_t>(width) - sizeof digits, fill);
        width = sizeof digits;
    }
    out.append(FormatUnsigned(end, value, width, fill), end);
}

void AppendSigned(std::string& out, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void AppendHexByte(std::string& out, std::uint8_t value)
{
    constexpr char hex[] = "0123456789ABCDEF";
    out.push_back(hex[value >> 4]);
    out.push_back(hex[value & 0x0F]);
}

void AppendPadded(std::string& out, std::string_view text, int width)
{
    if (static_cast<int>(text.size()) < width)
        out.append(static_cast<std::size_t>(width) - text.size(), ' ');
    out.append(text);
}
