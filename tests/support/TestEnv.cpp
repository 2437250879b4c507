#include "TestEnv.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <stdexcept>

#include "ProgramInfo.h"
#include "Schema.h"

namespace kbs::test {

using namespace Qt::StringLiterals;

namespace {
struct Db {
    sqlite3* db = nullptr;
    explicit Db(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
            SQLITE_OK)
            throw std::runtime_error("cannot open test catalogue");
        sqlite3_busy_timeout(db, 2000);
    }
    ~Db() { sqlite3_close(db); }
};

void bindAll(sqlite3_stmt* st, const QVariantList& params) {
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        if (v.isNull()) {
            sqlite3_bind_null(st, i + 1);
        } else if (v.typeId() == QMetaType::QByteArray) {
            const QByteArray b = v.toByteArray();
            sqlite3_bind_blob(st, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(st, i + 1, v.toLongLong());
        } else {
            const QByteArray t = v.toString().toUtf8();
            sqlite3_bind_text(st, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
    }
}

QVariant columnValue(sqlite3_stmt* st, int c) {
    switch (sqlite3_column_type(st, c)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return QVariant::fromValue<qint64>(sqlite3_column_int64(st, c));
        case SQLITE_FLOAT:
            return sqlite3_column_double(st, c);
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(st, c)),
                              sqlite3_column_bytes(st, c));
        default:
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                     sqlite3_column_bytes(st, c));
    }
}
}  // namespace

TestEnv::TestEnv(bool withCatalogue) {
    ProgramInfo::setDirectoryOverride(m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    setPrompts(&m_prompts);
    if (withCatalogue)
        createCatalogue();
}

namespace {
bool setImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}
}  // namespace

bool TestEnv::makeReadOnly(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    ::chmod(QFile::encodeName(path).constData(), S_ISDIR(st.st_mode) ? 0555 : 0444);
    m_readOnly << path;
    if (::geteuid() != 0)
        return true;
    return setImmutable(path, true);
}

void TestEnv::makeWritable(const QString& path) {
    setImmutable(path, false);
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        ::chmod(QFile::encodeName(path).constData(), S_ISDIR(st.st_mode) ? 0755 : 0644);
    m_readOnly.removeAll(path);
}

void failOn(const QStringList& problems, const char* what) {
    if (problems.isEmpty() || QTest::currentTestFailed())
        return;
    const QByteArray text =
        (QString::fromLatin1(what) + u": "_s + problems.join(u" | "_s)).toUtf8();
    QTest::qFail(text.constData(), __FILE__, __LINE__);
}

void TestEnv::verifyPrompts() {
    QStringList problems = m_prompts.unexpected;
    if (m_prompts.unusedAnswers() > 0)
        problems << u"%1 scripted answer(s) never used"_s.arg(m_prompts.unusedAnswers());
    failOn(problems, "prompts");
    m_prompts.reset();
}

namespace {
// Acts on the first modal window or popup shown, once the code that shows it waits for it.
class ModalWatch : public QObject {
public:
    explicit ModalWatch(std::function<void(QWidget*)> act) : m_act(std::move(act)) {
        qApp->installEventFilter(this);
    }
    bool ran = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (m_seen || e->type() != QEvent::Show || !w || !w->isWindow() ||
            !(w->isModal() || w->windowType() == Qt::Popup))
            return false;
        m_seen = true;
        QPointer<QWidget> shown(w);
        // Queued: it runs inside the window's own event loop, after the code showing it.
        QMetaObject::invokeMethod(
            this,
            [this, shown] {
                if (!shown)
                    return;
                ran = true;
                m_act(shown);
                if (shown && shown->isVisible())
                    shown->close();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(QWidget*)> m_act;
    bool m_seen = false;
};
}  // namespace

bool meetModal(const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
    ModalWatch watch(act);
    open();
    if (!watch.ran)
        qWarning("no modal window or popup came up, or it closed before it could be met");
    return watch.ran;
}

TestEnv::~TestEnv() {
    verifyPrompts();
    for (const QString& p : QStringList(m_readOnly))
        makeWritable(p);
    setPrompts(nullptr);
    ProgramInfo::setDirectoryOverride(QString());
}

void TestEnv::createCatalogue() {
    schema::createEmptyCatalogue(dbPath());
}

void TestEnv::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TestEnv::readFile(const QString& name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QList<QVariantList> TestEnv::rows(const QString& sql, const QVariantList& params) const {
    return rowsOf(dbPath(), sql, params);
}

QList<QVariantList> rowsOf(const QString& dbPath, const QString& sql, const QVariantList& params) {
    Db db(dbPath);
    sqlite3_stmt* st = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db.db, text.constData(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db.db));
    bindAll(st, params);
    QList<QVariantList> out;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        QVariantList row;
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            row << columnValue(st, c);
        out << row;
    }
    const std::string err = sqlite3_errmsg(db.db);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        throw std::runtime_error(err);
    return out;
}

void TestEnv::exec(const QString& sql, const QVariantList& params) const {
    rows(sql, params);
}

QVariant TestEnv::value(const QString& sql, const QVariantList& params) const {
    const auto r = rows(sql, params);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

qint64 TestEnv::addRecord(const QVariantMap& values) const {
    QStringList names, marks;
    QVariantList params;
    for (auto it = values.begin(); it != values.end(); ++it) {
        names << it.key();
        marks << u"?"_s;
        params << it.value();
    }
    const QString sql = names.isEmpty()
                            ? u"INSERT INTO table1 DEFAULT VALUES RETURNING ID"_s
                            : u"INSERT INTO table1 (%1) VALUES (%2) RETURNING ID"_s.arg(
                                  names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    return value(sql, params).toLongLong();
}

QByteArray pictureBytes(const char* format, int w, int h, QRgb color) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return buf.data();
}

}  // namespace kbs::test
