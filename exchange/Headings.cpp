#include "Headings.h"

#include <cstring>

namespace kbs::exchange {

QString Headings::heading(int position) const {
    const QString& own = shown[size_t(position)];
    return own.isEmpty() ? QString::fromLatin1(collection::columns[size_t(position)].name) : own;
}

int Headings::positionOf(const QString& text) const {
    QString wanted = text.trimmed();
    if (wanted.endsWith(QLatin1Char(':')))  // as the panel writes "Notes:"
        wanted.chop(1);
    if (wanted.isEmpty())  // names nothing, not the hidden column whose heading is empty
        return -1;
    if (const int byName = collection::positionOf(wanted); byName >= 0)
        return byName;
    // The heading as written, then without a plural's ending ("Models", "Farben", "Modelle",
    // "Kleuren"), and a doubled consonant before it ("Modellen").
    QStringList forms{wanted};
    for (const char* ending : {"s", "es", "n", "en", "e"}) {
        if (wanted.size() <= 4 || !wanted.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            continue;
        const QString stem = wanted.chopped(qsizetype(std::strlen(ending)));
        forms << stem;
        if (stem.size() > 2 && stem.back() == stem[stem.size() - 2])
            forms << stem.chopped(1);
    }
    for (const QString& form : std::as_const(forms)) {
        for (int p = 0; p < collection::ColumnCount; ++p) {
            if (shown[size_t(p)].compare(form, Qt::CaseInsensitive) == 0 ||
                also[size_t(p)].contains(form, Qt::CaseInsensitive))
                return p;
        }
    }
    return -1;
}

QStringList Headings::listing() const {
    QStringList lines;
    for (const collection::Column& c : collection::columns) {
        if (c.kind == collection::Kind::Binary)
            continue;
        QStringList names;
        for (const QString& h : QStringList{shown[size_t(c.position)]} + also[size_t(c.position)]) {
            if (!h.isEmpty() && !names.contains(h, Qt::CaseInsensitive) &&
                h.compare(QLatin1String(c.name), Qt::CaseInsensitive) != 0)
                names << h;
        }
        lines << (names.isEmpty() ? QString::fromLatin1(c.name)
                                  : QStringLiteral("%1: %2").arg(QLatin1String(c.name),
                                                                 names.join(QStringLiteral(", "))));
    }
    return lines;
}

QString Headings::firstFew(int count) const {
    QStringList names;
    for (const collection::Column& c : collection::columns) {
        if (c.kind != collection::Kind::Binary && names.size() < count)
            names << heading(c.position);
    }
    return names.join(QStringLiteral(", ")) + QStringLiteral(", …");
}

}  // namespace kbs::exchange
