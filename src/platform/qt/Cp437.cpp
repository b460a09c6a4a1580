#include "platform/qt/Cp437.h"

QString Cp437ToQString(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes)
        text.append(QChar(Cp437ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}
