#include "platform/headless/TerminalText.h"

#include "framework/CodePage437.h"

namespace {

// Length of the UTF-8 sequence starting at i, or 0 when it is not one.
size_t Utf8SequenceLength(const std::string& text, size_t i)
{
    auto lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                  : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool IsUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

}  // namespace

std::string OneLine(const std::string& text)
{
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\n')
            line += "\\n";
        else if (text[i] == '\r')
            line += "\\r";
        else
            line += text[i];
    }
    return line;
}

std::string UnixLineEnds(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

std::string TerminalUtf8(const std::string& bytes)
{
    if (IsUtf8(bytes))
        return bytes;
    std::string out;
    for (char ch : bytes) {
        auto byte = static_cast<unsigned char>(ch);
        AppendUtf8(out, byte < 0x80 ? byte : Cp437ToUnicode(byte));
    }
    return out;
}
