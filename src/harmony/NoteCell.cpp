#include "harmony/NoteCell.h"

std::string_view NoteCell::Text() const
{
    std::size_t length = 0;
    while (length < 3 && bytes[length] != '\0')
        ++length;
    return std::string_view(bytes.data(), length);
}

void NoteCell::Set(std::string_view text)
{
    bytes = {};
    for (std::size_t i = 0; i < text.size() && i < 3 && text[i] != '\0'; ++i)
        bytes[i] = text[i];
}
