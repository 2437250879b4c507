#include "RecordSearch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string_view>

#include "RecordFilter.h"
#include "RecordSet.h"

namespace kbs {

namespace {
bool isAscii(std::string_view s) {
    for (unsigned char c : s) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

// Case-insensitive containment for ASCII texts, without building QStrings.
bool containsAsciiNoCase(std::string_view hay, std::string_view needle) {
    if (needle.size() > hay.size())
        return false;
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : char(c); };
    const char first = lower(static_cast<unsigned char>(needle[0]));
    for (size_t i = 0; i + needle.size() <= hay.size(); ++i) {
        if (lower(static_cast<unsigned char>(hay[i])) != first)
            continue;
        size_t k = 1;
        while (k < needle.size() && lower(static_cast<unsigned char>(hay[i + k])) ==
                                        lower(static_cast<unsigned char>(needle[k])))
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}
}  // namespace

int findFromFirst(RecordSet& rs, const QString& t, int last) {
    const QByteArray tUtf8 = t.toUtf8();
    const std::string_view needle(tUtf8.constData(), size_t(tUtf8.size()));
    const bool asciiNeedle = isAscii(needle);

    rs.moveFirst();
    int found = -1;
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    while (!rs.eof()) {
        for (int i = 0; i <= last && found < 0; ++i) {
            std::string_view v;
            if (asciiNeedle && rs.peekUtf8(i, v) && isAscii(v)) {
                if (containsAsciiNoCase(v, needle))
                    found = i;
            } else if (!rs.isNull(i)) {
                if (rs.value(i).toString().contains(t, Qt::CaseInsensitive))
                    found = i;
            }
        }
        if (found >= 0)
            break;
        rs.moveNext();
        // Let the window breathe now and then, not after every record.
        if (sinceEvents.elapsed() >= 50) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
    }
    return found;
}

long findInRows(const RecordSet& rs, const std::vector<RecordSet::Slot>& rows, long from,
                bool forward, const QString& text, bool& wrapped) {
    const RecordFilter wanted = RecordFilter::containing(text);
    const long n = long(rows.size());
    wrapped = false;
    for (long k = 1; k <= n; ++k) {
        long r = forward ? from + k : from - k;
        if (r >= n || r < 0) {
            wrapped = true;
            r = forward ? r - n : r + n;
        }
        if (wanted.matches(rs, rows[size_t(r)]))
            return r;
    }
    return -1;
}

}  // namespace kbs
