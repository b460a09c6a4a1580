#include "platform/qt/FileFilters.h"

namespace {

QString StripPatternList(QString description)
{
    description = description.trimmed();
    if (description.endsWith(QLatin1Char(')'))) {
        qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0)
            description = description.left(open).trimmed();
    }
    return description;
}

QString JoinPatterns(const QString& patterns)
{
    QStringList list;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!pattern.trimmed().isEmpty())
            list.append(pattern.trimmed());
    return list.isEmpty() ? QStringLiteral("*") : list.join(QLatin1Char(' '));
}

}  // namespace

QStringList ToQtFilters(const std::string& filters)
{
    QStringList parts = QString::fromStdString(filters).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = StripPatternList(parts[i]);
        if (description.isEmpty() && parts[i + 1].trimmed().isEmpty())
            continue;
        result.append(description + QStringLiteral(" (") + JoinPatterns(parts[i + 1]) + QLatin1Char(')'));
    }
    return result;
}
