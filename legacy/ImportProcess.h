#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace kbs::legacy {

// How long the converter may run and how much address space it may take.
struct ImportLimits {
    int seconds = 0;
    qint64 memoryBytes = 0;
};

// Limits that a sound file of the given size never reaches: a minute plus a second per
// megabyte, and 1 GB plus four times the file. A damaged file on which libmdb loops reaches
// them in seconds.
ImportLimits defaultImportLimits(qint64 fileSize);

// Limits the calling process's address space (RLIMIT_AS). Does nothing, and returns false,
// in a build with AddressSanitizer, which needs the whole address space for itself. Safe to
// call between fork and exec.
bool limitAddressSpace(qint64 bytes) noexcept;
// Whether limitAddressSpace limits anything in this build.
bool canLimitAddressSpace() noexcept;

// What the converter's run came to.
struct ImportOutcome {
    enum class Status { Converted, Failed, Cancelled };
    Status status = Status::Failed;
    long records = 0;
    QString error;      // what went wrong, for the collector
    QStringList notes;  // what could not be carried over as it was
    // What else the child printed on standard error (libmdb's warnings): how many lines, and
    // the first few kilobytes of them.
    long otherErrorLines = 0;
    QByteArray firstOtherErrors;
};

// Runs the command-line converter (kbsmgr-import) as a child process: with an address-space
// limit set in the child before it starts and a wall-clock limit after which it is killed. The
// child reads the old file with libmdb, which can loop for ever on a damaged file; this
// process never does.
//
// The child is started with "--child" before its limits: it converts in its own process.
// The child's protocol: on standard output "progress DONE TOTAL", "note: TEXT" and, at the
// end, "converted N records"; on standard error, lines "kbsmgr-import: MESSAGE"; exit status
// 0 for success.
class ImportProcess : public QObject {
    Q_OBJECT
public:
    ImportProcess(QString converter, QString source, QString target, ImportLimits limits,
                  QObject* parent = nullptr);
    ~ImportProcess() override;

    void start();
    void cancel();  // stops the child; the outcome is Cancelled
    bool isRunning() const { return m_running; }
    const ImportOutcome& outcome() const { return m_outcome; }

    // Runs a converter to its end without a window and returns what it came to.
    static ImportOutcome run(const QString& converter, const QString& source, const QString& target,
                             const ImportLimits& limits);

Q_SIGNALS:
    void progress(long done, long total);
    void finished();

private:
    void readOutput();
    void readErrors();
    void takeErrorLine(const QByteArray& line);
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);
    void onDeadline();
    void end(ImportOutcome::Status status, const QString& error = {});
    QString childMessage() const;

    QString m_converter;
    QString m_source;
    QString m_target;
    ImportLimits m_limits;
    QProcess m_process;
    QTimer m_deadline;
    QByteArray m_errors;     // the tail of the child's standard error
    QByteArray m_errorLine;  // the line being read, up to a bound
    QStringList m_messages;  // the child's own "kbsmgr-import: " lines
    bool m_running = false;
    bool m_cancelled = false;
    bool m_timedOut = false;
    bool m_reported = false;  // the child said how many records it converted
    ImportOutcome m_outcome;
};

}  // namespace kbs::legacy
