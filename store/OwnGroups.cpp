#include "OwnGroups.h"

#include <QDate>
#include <algorithm>

namespace kbs::ownfields {

namespace {

GroupKey keyOf(const Field& field, const QString& stored) {
    const QString text = stored.simplified();
    if (text.isEmpty())
        return {};
    switch (field.kind) {
        case Kind::Number:
        case Kind::Amount:
            if (const auto n = numberOf(field.kind, text))
                return {QString::number(*n, 'g', 15).toStdString(), display(field, text)};
            break;
        case Kind::Date:
            if (const QDate d = QDate::fromString(text, Qt::ISODate); d.isValid())
                return {std::to_string(d.year()), QString::number(d.year())};
            break;
        case Kind::YesNo:
            return {text.toStdString(), display(field, text)};
        default:
            break;
    }
    return {text.toCaseFolded().toStdString(), text};
}

}  // namespace

void GroupKeys::of(const AllValues& all, std::size_t field, std::int64_t recordId,
                   std::vector<GroupKey>& out) {
    out.clear();
    const auto add = [&](const Field& f, const QString& stored) {
        auto known = m_known.constFind(stored);
        if (known == m_known.cend())
            known = m_known.insert(stored, keyOf(f, stored));
        if (!known->key.empty() && std::none_of(out.begin(), out.end(), [&](const GroupKey& o) {
                return o.key == known->key;
            }))
            out.push_back(*known);
    };
    if (field == Tags) {
        static const Field tag;  // a tag groups as a text does
        for (const QString& t : all.tagsOf(recordId))
            add(tag, t);
    } else if (field < all.fields.size()) {
        add(all.fields[field], all.valueOf(recordId, field));
    }
    if (out.empty())
        out.emplace_back();
}

std::optional<std::size_t> positionOf(const AllValues& all, std::int64_t fieldId) {
    for (std::size_t i = 0; i < all.fields.size(); ++i) {
        if (all.fields[i].id == fieldId)
            return i;
    }
    return std::nullopt;
}

}  // namespace kbs::ownfields
