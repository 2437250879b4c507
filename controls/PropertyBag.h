#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace kbs {

// The design-time settings a control keeps with the window that hosts it: named values, each
// with a default. A value equal to its default is not stored, and a name that was never stored
// reads as the default the reader gives, so a bag written by an older control still loads.
//
//     PropertyBag bag;
//     box->writeProperties(bag);             // the control writes its names in its own order
//     QByteArray saved = bag.toByteArray();  // the host keeps the bytes with its window
//     ...
//     other->readProperties(PropertyBag::fromByteArray(saved));
class PropertyBag {
public:
    // Stores value under name, or forgets the name when value equals defaultValue.
    void writeProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = QVariant());

    // The stored value of name, or defaultValue when the name is absent.
    QVariant readProperty(const QString& name, const QVariant& defaultValue = QVariant()) const;

    // The stored value converted to T; the default when the name is absent or the stored value
    // cannot be converted (a damaged bag never yields a value of the wrong kind).
    template <class T>
    T read(const QString& name, const T& defaultValue) const {
        QVariant v = readProperty(name);
        if (!v.isValid() || !v.convert(QMetaType::fromType<T>()))
            return defaultValue;
        return v.value<T>();
    }

    bool contains(const QString& name) const { return indexOf(name) >= 0; }
    QStringList names() const;  // in the order they were first written
    bool isEmpty() const { return m_values.isEmpty(); }
    void clear() { m_values.clear(); }

    // The bag as bytes for the host's window file, and back. fromByteArray gives an empty bag
    // (and false in *ok) for bytes that are not a bag or are damaged.
    QByteArray toByteArray() const;
    static PropertyBag fromByteArray(const QByteArray& bytes, bool* ok = nullptr);

    friend bool operator==(const PropertyBag& a, const PropertyBag& b) {
        return a.m_values == b.m_values;
    }

private:
    qsizetype indexOf(const QString& name) const;

    QList<QPair<QString, QVariant>> m_values;
};

}  // namespace kbs
