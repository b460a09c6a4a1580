#include "midi/MidiText.h"

#include <charconv>

void AppendUnsigned(std::string& out, std::uint64_t value, int width, char fill)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const int count = static_cast<int>(end - digits);
    if (count < width)
        out.append(static_cast<std::size_t>(width - count), fill);
    out.append(digits, end);
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
