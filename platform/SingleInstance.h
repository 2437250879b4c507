#pragma once

#include <QObject>
#include <QString>

class QDeadlineTimer;
class QLocalServer;

namespace kbs {

// One window per catalogue: the first start on a catalogue listens on a local socket named
// after it; a later start hands over to it (the running copy comes to the front) instead of
// opening a second window on the same file.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's name for the catalogue at path: the same for every start of this user on
    // that file, however the path was written.
    static QString serverNameFor(const QString& catalogue);

    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Asks a running copy to come to the front, and listens when none answers within waitMs
    // in all. True when a running copy has answered: this start should then end. The decision is
    // taken under a lock, so that of two starts at the same moment exactly one listens.
    bool handOver(int waitMs = 10000);

Q_SIGNALS:
    // Another start asked this copy to come to the front.
    void activationRequested();

private:
    bool askRunning(const QDeadlineTimer& deadline);
    void answer();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

}  // namespace kbs
