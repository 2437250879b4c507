#include "Headings.h"

#include <QCoreApplication>

namespace kbs::exchange {

QString Headings::heading(int position) const {
    const QString& own = shown[size_t(position)];
    return own.isEmpty() ? QString::fromLatin1(collection::columns[size_t(position)].name) : own;
}

int Headings::positionOf(const QString& text) const {
    QString wanted = text.trimmed();
    if (wanted.endsWith(QLatin1Char(':')))  // as the panel writes "Notes:"
        wanted.chop(1);
    if (const int byName = collection::positionOf(wanted); byName >= 0)
        return byName;
    for (int p = 0; p < collection::ColumnCount; ++p) {
        if (shown[size_t(p)].compare(wanted, Qt::CaseInsensitive) == 0 ||
            also[size_t(p)].contains(wanted, Qt::CaseInsensitive))
            return p;
    }
    return -1;
}

QString Headings::accepted() const {
    QStringList all;
    for (const collection::Column& c : collection::columns) {
        if (c.kind == collection::Kind::Binary)
            continue;
        QStringList names{QString::fromLatin1(c.name)};
        for (const QString& h : QStringList{shown[size_t(c.position)]} + also[size_t(c.position)]) {
            if (!h.isEmpty() && !names.contains(h, Qt::CaseInsensitive))
                names << h;
        }
        all << (names.size() == 1
                    ? names.front()
                    : QCoreApplication::translate("kbs::exchange", "%1 (or %2)")
                          .arg(names.front(), names.mid(1).join(QStringLiteral(", "))));
    }
    return all.join(QStringLiteral(", "));
}

}  // namespace kbs::exchange
