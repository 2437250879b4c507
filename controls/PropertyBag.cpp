#include "PropertyBag.h"

#include <QDataStream>
#include <QIODevice>

namespace kbs {

namespace {
constexpr quint32 kMagic = 0x4B425042;  // "KBPB"
constexpr quint16 kVersion = 1;
}  // namespace

qsizetype PropertyBag::indexOf(const QString& name) const {
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        if (m_values[i].first == name)
            return i;
    }
    return -1;
}

void PropertyBag::writeProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue) {
    const qsizetype at = indexOf(name);
    if (value == defaultValue) {
        if (at >= 0)
            m_values.removeAt(at);
        return;
    }
    if (at >= 0)
        m_values[at].second = value;
    else
        m_values.append({name, value});
}

QVariant PropertyBag::readProperty(const QString& name, const QVariant& defaultValue) const {
    const qsizetype at = indexOf(name);
    return at >= 0 ? m_values[at].second : defaultValue;
}

QStringList PropertyBag::names() const {
    QStringList out;
    out.reserve(m_values.size());
    for (const auto& [name, value] : m_values)
        out << name;
    return out;
}

QByteArray PropertyBag::toByteArray() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kMagic << kVersion << quint32(m_values.size());
    for (const auto& [name, value] : m_values)
        out << name << value;
    return bytes;
}

PropertyBag PropertyBag::fromByteArray(const QByteArray& bytes, bool* ok) {
    PropertyBag bag;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint16 version = 0;
    quint32 count = 0;
    in >> magic >> version >> count;
    bool good = in.status() == QDataStream::Ok && magic == kMagic && version == kVersion;
    // The count comes from the file: read entry by entry and stop at the first damage instead
    // of trusting it for an allocation.
    for (quint32 i = 0; good && i < count; ++i) {
        QString name;
        QVariant value;
        in >> name >> value;
        good = in.status() == QDataStream::Ok;
        if (good)
            bag.writeProperty(name, value);
    }
    if (good && !in.atEnd())
        good = false;
    if (!good)
        bag.clear();
    if (ok)
        *ok = good;
    return bag;
}

}  // namespace kbs
