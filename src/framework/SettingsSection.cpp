#include "framework/SettingsSection.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string EscapeSectionName(const std::string& name)
{
    return PercentEscape(name, "%/\\[]");
}

std::string PercentEscape(const std::string& text, std::string_view specials)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(text.size());
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c != 0x7f && specials.find(ch) == std::string_view::npos) {
            escaped += ch;
            continue;
        }
        escaped += '%';
        escaped += digits[c >> 4];
        escaped += digits[c & 15];
    }
    return escaped;
}

std::string UnescapeSectionName(const std::string& text)
{
    std::string plain;
    plain.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        bool room = text[i] == '%' && i + 2 < text.size();
        int high = room ? HexValue(text[i + 1]) : -1;
        int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low < 0) {
            plain += text[i];
            continue;
        }
        plain += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return plain;
}
