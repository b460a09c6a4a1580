#include "platform/qt/MenuText.h"

namespace {

QKeySequence ReadShortcut(QString keys)
{
    keys.replace(QStringLiteral("Shft"), QStringLiteral("Shift"));
    QKeySequence sequence = QKeySequence::fromString(keys, QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return {};
    return sequence;
}

}  // namespace

MenuLabel ParseMenuLabel(const std::string& text)
{
    QString full = QString::fromStdString(text);
    qsizetype tab = full.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {full, {}};
    QKeySequence shortcut = ReadShortcut(full.mid(tab + 1).trimmed());
    if (shortcut.isEmpty())
        return {full, {}};  // a menu still shows the text after "\t" at the right
    return {full.left(tab), shortcut};
}
