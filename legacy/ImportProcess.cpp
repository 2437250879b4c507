#include "ImportProcess.h"

#include <sys/prctl.h>
#include <sys/resource.h>

#include <csignal>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <utility>

#include "Language.h"

#if defined(__SANITIZE_ADDRESS__)
#define KBS_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KBS_ADDRESS_SANITIZER 1
#endif
#endif

namespace kbs::legacy {

namespace {
constexpr qint64 kMegabyte = 1024 * 1024;
// The child ends itself at the time limit; it is killed if it has not ended this much later.
constexpr int kKillGraceMs = 1500;
// Enough of the child's standard error to find its message in, whatever libmdb prints.
constexpr qsizetype kMaxErrorBytes = 64 * 1024;
const QByteArray kMessagePrefix = "kbsmgr-import: ";
// How much of libmdb's warnings is kept word for word; the rest is only counted.
constexpr qsizetype kKeptWarningBytes = 2048;
constexpr qsizetype kMaxLineBytes = 4096;
}  // namespace

ImportLimits defaultImportLimits(qint64 fileSize) {
    ImportLimits limits;
    limits.seconds = int(60 + fileSize / kMegabyte);
    limits.memoryBytes = 1024 * kMegabyte + 4 * fileSize;
    return limits;
}

bool limitAddressSpace(qint64 bytes) noexcept {
#ifdef KBS_ADDRESS_SANITIZER
    (void)bytes;
    return false;
#else
    if (bytes <= 0)
        return false;
    struct rlimit limit;
    limit.rlim_cur = rlim_t(bytes);
    limit.rlim_max = rlim_t(bytes);
    return setrlimit(RLIMIT_AS, &limit) == 0;
#endif
}

bool canLimitAddressSpace() noexcept {
#ifdef KBS_ADDRESS_SANITIZER
    return false;
#else
    return true;
#endif
}

ImportProcess::ImportProcess(QString converter, QString source, QString target, ImportLimits limits,
                             QObject* parent)
    : QObject(parent),
      m_converter(std::move(converter)),
      m_source(std::move(source)),
      m_target(std::move(target)),
      m_limits(limits) {
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &ImportProcess::onDeadline);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ImportProcess::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &ImportProcess::readErrors);
    connect(&m_process, &QProcess::finished, this, &ImportProcess::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &ImportProcess::onError);
}

ImportProcess::~ImportProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.disconnect(this);
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void ImportProcess::start() {
    if (m_running)
        return;
    m_outcome = {};
    m_errors.clear();
    m_errorLine.clear();
    m_messages.clear();
    m_cancelled = m_timedOut = m_reported = false;
    if (!QFileInfo(m_converter).isExecutable()) {
        end(ImportOutcome::Status::Failed,
            QCoreApplication::translate("kbs::legacy", "The converter %1 is missing.")
                .arg(m_converter));
        return;
    }
    m_running = true;
    const qint64 memory = m_limits.memoryBytes;
    m_process.setChildProcessModifier([memory] {
        limitAddressSpace(memory);
        // A child whose parent died (killed, or ended by a person) ends with it.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    m_process.setProgram(m_converter);
    // The child speaks the language this process speaks, whichever way it was chosen.
    const QString spoken = language::translated() ? QLocale().name() : QStringLiteral("en");
    m_process.setArguments({QStringLiteral("--child"), QStringLiteral("--lang=%1").arg(spoken),
                            QStringLiteral("--time-limit=%1").arg(m_limits.seconds),
                            QStringLiteral("--memory-limit=%1").arg(memory), QStringLiteral("--"),
                            m_source, m_target});
    m_deadline.start(m_limits.seconds * 1000 + kKillGraceMs);
    m_process.start(QIODevice::ReadOnly);
}

void ImportProcess::cancel() {
    if (!m_running || m_cancelled)
        return;
    m_cancelled = true;
    m_process.kill();
}

void ImportProcess::onDeadline() {
    if (!m_running)
        return;
    m_timedOut = true;
    m_process.kill();
}

void ImportProcess::readOutput() {
    while (m_process.canReadLine()) {
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith("progress ")) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 3)
                Q_EMIT progress(parts[1].toLong(), parts[2].toLong());
        } else if (line.startsWith("note: ")) {
            m_outcome.notes << QString::fromUtf8(line.mid(6));
        } else if (line.startsWith("converted ")) {
            m_outcome.records = line.split(' ').value(1).toLong();
            m_reported = true;
        }
    }
}

void ImportProcess::readErrors() {
    const QByteArray chunk = m_process.readAllStandardError();
    m_errors += chunk;
    if (m_errors.size() > kMaxErrorBytes)
        m_errors = m_errors.right(kMaxErrorBytes);
    qsizetype from = 0;
    for (qsizetype nl = chunk.indexOf('\n'); nl >= 0; nl = chunk.indexOf('\n', from)) {
        m_errorLine += chunk.mid(from, qMin(nl - from, kMaxLineBytes - m_errorLine.size()));
        takeErrorLine(m_errorLine);
        m_errorLine.clear();
        from = nl + 1;
    }
    m_errorLine += chunk.mid(from, qMax<qsizetype>(0, kMaxLineBytes - m_errorLine.size()));
}

void ImportProcess::takeErrorLine(const QByteArray& line) {
    if (line.startsWith(kMessagePrefix)) {
        if (m_messages.size() < 8)
            m_messages << QString::fromUtf8(line.mid(kMessagePrefix.size())).trimmed();
        return;
    }
    ++m_outcome.otherErrorLines;
    if (m_outcome.firstOtherErrors.size() + line.size() < kKeptWarningBytes)
        m_outcome.firstOtherErrors += line + '\n';
}

QString ImportProcess::childMessage() const {
    return m_messages.join(QLatin1Char(' '));
}

void ImportProcess::onFinished(int exitCode, QProcess::ExitStatus status) {
    if (!m_running)
        return;
    readOutput();
    readErrors();
    if (!m_errorLine.isEmpty()) {
        takeErrorLine(m_errorLine);
        m_errorLine.clear();
    }
    const QString timeText =
        QStringLiteral(
            "Reading %1 took longer than %2 seconds, so it was stopped: the file is "
            "probably damaged.")
            .arg(m_source)
            .arg(m_limits.seconds);
    if (m_cancelled) {
        end(ImportOutcome::Status::Cancelled);
    } else if (m_timedOut || (status == QProcess::NormalExit && exitCode == 3)) {
        end(ImportOutcome::Status::Failed, timeText);
    } else if (status == QProcess::NormalExit && exitCode == 0 && m_reported) {
        end(ImportOutcome::Status::Converted);
    } else if (status == QProcess::NormalExit && !childMessage().isEmpty()) {
        end(ImportOutcome::Status::Failed, childMessage());
    } else if (m_errors.contains("alloc") || m_errors.contains("memory")) {
        end(ImportOutcome::Status::Failed,
            QCoreApplication::translate(
                "kbs::legacy",
                "Reading %1 needed more than %2 MB of memory, so it was stopped: the "
                "file is probably damaged.")
                .arg(m_source)
                .arg(m_limits.memoryBytes / kMegabyte));
    } else {
        end(ImportOutcome::Status::Failed,
            QCoreApplication::translate(
                "kbs::legacy",
                "The converter stopped unexpectedly while reading %1 (%2): the file "
                "is probably damaged.")
                .arg(m_source, status == QProcess::CrashExit
                                   ? QCoreApplication::translate("kbs::legacy", "it crashed")
                                   : QCoreApplication::translate("kbs::legacy", "exit status %1")
                                         .arg(exitCode)));
    }
}

void ImportProcess::onError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || !m_running)
        return;  // the others end in finished()
    end(ImportOutcome::Status::Failed,
        QCoreApplication::translate("kbs::legacy", "The converter %1 could not be started: %2.")
            .arg(m_converter, m_process.errorString()));
}

void ImportProcess::end(ImportOutcome::Status status, const QString& error) {
    m_running = false;
    m_deadline.stop();
    m_outcome.status = status;
    m_outcome.error = error;
    Q_EMIT finished();
}

ImportOutcome ImportProcess::run(const QString& converter, const QString& source,
                                 const QString& target, const ImportLimits& limits) {
    ImportProcess job(converter, source, target, limits);
    QEventLoop loop;
    connect(&job, &ImportProcess::finished, &loop, &QEventLoop::quit);
    job.start();
    if (job.isRunning())
        loop.exec();
    return job.outcome();
}

}  // namespace kbs::legacy
