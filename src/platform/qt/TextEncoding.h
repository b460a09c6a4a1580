#pragma once
// The text control's text is UTF-8 on the core's side. Positions the core
// sees are byte offsets into that UTF-8 text, so that they index the string
// GetText returns; Qt counts UTF-16 units and one unit per line break, where
// the core's text may have CR LF.
#include <QString>

#include <string>

// UTF-8 when the bytes are valid UTF-8, otherwise Latin-1 so no byte is lost.
QString DecodeText(const std::string& bytes);
int Utf8OffsetOf(const QString& text, int position, bool crlf);
int PositionOfUtf8Offset(const QString& text, int offset, bool crlf);
