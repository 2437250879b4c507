#include "Collection.h"

#include <QByteArray>

namespace kbs::collection {

int positionOf(const QString& name) {
    for (const auto& c : columns) {
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.position;
    }
    return -1;
}

QString trimSpaces(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && s.at(end - 1) == QLatin1Char(' '))
        --end;
    if (begin == 0 && end == s.size())
        return s;
    return s.mid(begin, end - begin);
}

std::optional<QString> fieldTextOf(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QByteArray) {
        return trimSpaces(QString::fromUtf8(value.toByteArray()));
    }
    return trimSpaces(value.toString());
}

QString storedBoxText(const QString& boxText) {
    QString t = trimSpaces(boxText);
    return t.isEmpty() ? QStringLiteral(" ") : t;
}

QString storedNotesText(const QString& notes) {
    return notes.isEmpty() ? QStringLiteral(" ") : notes;
}

}  // namespace kbs::collection
