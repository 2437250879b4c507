// The text forms of the older program's values, and the check of a file before it is read.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

#include "AppError.h"
#include "JetFile.h"
#include "LegacyFixtures.h"
#include "ValueText.h"

using namespace kbs;
using namespace kbs::legacy;

namespace {

// Texts compared as QString, so that a failure shows both sides; "<none>" for no text.
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString q(const std::optional<std::string>& s) {
    return s ? QString::fromStdString(*s) : QStringLiteral("<none>");
}
QString u(const char* s) {
    return QString::fromUtf8(s);
}

std::optional<std::string> jet4(std::initializer_list<unsigned char> bytes) {
    return text::jet4Text(bytes.begin(), bytes.size());
}

// A file that starts like a Jet/ACE database of the given version and is size bytes long.
QString fakeDatabase(const QTemporaryDir& dir, const char* kind, int version, qint64 size) {
    QByteArray bytes(size, '\0');
    bytes[1] = 0x01;
    bytes.replace(4, 15, kind);
    bytes[0x14] = char(version);
    const QString path =
        dir.filePath(QStringLiteral("%1-%2-%3.mdb").arg(kind).arg(version).arg(size));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != size)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

}  // namespace

class TestLegacyValues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The fixtures' own values (1.25, 0.99, 150, -3.1416, 0) are compared where they are
    // converted; these are the ends of the range.
    void currencyIsPlainDecimal() {
        QCOMPARE(q(text::currency(-1)), u("-0.0001"));
        QCOMPARE(q(text::currency(10)), u("0.001"));
        QCOMPARE(q(text::currency(std::numeric_limits<std::int64_t>::max())),
                 u("922337203685477.5807"));
        QCOMPARE(q(text::currency(std::numeric_limits<std::int64_t>::min())),
                 u("-922337203685477.5808"));
    }

    void numbersInShortestPlainForm() {
        QCOMPARE(q(text::real(20.5)), u("20.5"));
        QCOMPARE(q(text::real(0.0)), u("0"));
        QCOMPARE(q(text::real(-0.0)), u("0"));
        QCOMPARE(q(text::real(100000)), u("100000"));  // not "1e+05"
        QCOMPARE(q(text::real(0.1)), u("0.1"));
        QCOMPARE(q(text::real(-3.1416)), u("-3.1416"));
        QCOMPARE(q(text::real(123456789012345.0)), u("123456789012345"));
        QCOMPARE(q(text::real(0.1 + 0.2)), u("0.30000000000000004"));  // nothing rounded away
        QCOMPARE(q(text::real(1e20)), u("1e+20"));
        QCOMPARE(q(text::real(1e-7)), u("1e-07"));
        QCOMPARE(q(text::real(std::nan(""))), u("NaN"));
        QCOMPARE(q(text::real(-std::numeric_limits<double>::infinity())), u("-Infinity"));
        QCOMPARE(q(text::single(0.1f)), u("0.1"));  // not 0.100000001490116
        QCOMPARE(q(text::single(16777216.0f)), u("16777216"));
    }

    void datesAsIsoText() {
        QCOMPARE(q(text::dateTime(0.0)), u("1899-12-30"));
        QCOMPARE(q(text::dateTime(2.5)), u("1900-01-01 12:00:00"));
        // Before 1899-12-30 the days count back while the time still counts forward.
        QCOMPARE(q(text::dateTime(-1.5)), u("1899-12-29 12:00:00"));
        QCOMPARE(q(text::dateTime(-0.25)), u("1899-12-30 06:00:00"));
        // Rounded to the second, into the next day where that is nearest.
        QCOMPARE(q(text::dateTime(59.9999999999)), u("1900-02-28"));
        QCOMPARE(q(text::dateTime(36526.0 + 0.4 / 86400.0)), u("2000-01-01"));
        QCOMPARE(q(text::dateTime(-657434.0)), u("0100-01-01"));
        QCOMPARE(q(text::dateTime(2958465.0 + 86399.0 / 86400.0)), u("9999-12-31 23:59:59"));
        QVERIFY(!text::dateTime(2958466.0));
        QVERIFY(!text::dateTime(-657435.0));
        QVERIFY(!text::dateTime(std::nan("")));
        QVERIFY(!text::dateTime(1e300));
    }

    void jet4TextForms() {
        QCOMPARE(q(jet4({'a', 0, 'b', 0})), u("ab"));
        QCOMPARE(q(jet4({0xff, 0xfe, 'a', 'b'})), u("ab"));
        // Compressed, switching to two-byte characters for the dash and back.
        QCOMPARE(q(jet4({0xff, 0xfe, 'a', 0, 0x13, 0x20, 0, 'b'})), QStringLiteral("a\u2013b"));
        QCOMPARE(q(jet4({0xe9, 0})), QStringLiteral("\u00e9"));
        // A character outside the basic plane, as a surrogate pair.
        QCOMPARE(q(jet4({0x3d, 0xd8, 0x00, 0xde})), u("\xf0\x9f\x98\x80"));
        QCOMPARE(q(jet4({})), u(""));
        QCOMPARE(q(jet4({0xff, 0xfe})), u(""));
        QVERIFY(!jet4({'a', 0, 'b'}));               // half a character
        QVERIFY(!jet4({0xff, 0xfe, 'a', 0, 0x13}));  // ends inside a two-byte run
        const unsigned char id[16] = {0x78, 0x56, 0x34, 0x12, 0x34, 0x12, 0x78, 0x56,
                                      0x9a, 0xbc, 0xde, 0xf0, 0x01, 0x23, 0x45, 0x67};
        QCOMPARE(q(text::guid(id)), u("{12345678-1234-5678-9ABC-DEF001234567}"));
    }

    void fileCheckedBeforeReading() {
        // One byte short: libmdb would read it and return a wrong byte.
        const QString truncated = test::legacy::fixture(QStringLiteral("truncated.mdb"));
        try {
            checkLegacyFile(truncated);
            QFAIL("a shortened file was accepted");
        } catch (const AppError& e) {
            QVERIFY2(e.description().contains(truncated), qPrintable(e.description()));
            QVERIFY(e.description().contains(QStringLiteral("143359 bytes")));
            QVERIFY(e.description().contains(QStringLiteral("4096-byte pages")));
        }

        // Jet 3 pages are 2048 bytes, the others 4096; files too short for their pages, of an
        // unknown version, of another kind, or missing are refused.
        QTemporaryDir dir;
        const QList<std::tuple<const char*, int, int, QString>> files = {
            {"Standard Jet DB", 0, 3 * 2048, "Jet 3, 2048"},
            {"Standard Jet DB", 1, 3 * 2048, ""},
            {"Standard ACE DB", 3, 2 * 4096, "ACE, 4096"},
            {"Standard Jet DB", 9, 2 * 4096, ""},
            {"Standard Jet DB", 1, 4096, ""},
            {"SQLite format 3", 1, 8192, ""}};
        for (const auto& [kind, version, size, format] : files) {
            const QString path = fakeDatabase(dir, kind, version, size);
            if (format.isEmpty()) {
                QVERIFY_THROWS_EXCEPTION(AppError, checkLegacyFile(path));
            } else {
                const JetFormat f = checkLegacyFile(path);
                QCOMPARE(QStringLiteral("%1, %2").arg(f.name).arg(f.pageSize), format);
            }
        }
        QVERIFY_THROWS_EXCEPTION(AppError, checkLegacyFile(dir.filePath(QStringLiteral("none"))));
    }
};

QTEST_GUILESS_MAIN(TestLegacyValues)
#include "tst_legacyvalues.moc"
