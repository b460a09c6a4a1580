#include "platform/qt/TextEncoding.h"

#include <QStringDecoder>

QString DecodeText(const std::string& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return text;
}

namespace {

// Bytes the UTF-16 unit at i starts in UTF-8, and how many units it spans.
int Utf8Length(const QString& text, qsizetype i, bool crlf, int& units)
{
    char16_t c = text.at(i).unicode();
    units = 1;
    if (c == u'\n')
        return crlf ? 2 : 1;
    if (c < 0x80)
        return 1;
    if (c < 0x800)
        return 2;
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        units = 2;
        return 4;
    }
    return 3;
}

}  // namespace

int Utf8OffsetOf(const QString& text, int position, bool crlf)
{
    int offset = 0;
    for (qsizetype i = 0; i < text.size() && i < position;) {
        int units = 1;
        offset += Utf8Length(text, i, crlf, units);
        i += units;
    }
    return offset;
}

int PositionOfUtf8Offset(const QString& text, int offset, bool crlf)
{
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        int units = 1;
        int length = Utf8Length(text, i, crlf, units);
        if (bytes + length > offset)
            break;
        bytes += length;
        i += units;
    }
    return static_cast<int>(i);
}
