#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace kovrel {

// Files handed from a second start to the running copy, over a local socket beside the lock.
// Only the copy that holds the lock listens; the lock, not the socket, says which copy runs.
// A message is bounded in size and in the number of names, and one that does not parse is
// dropped with its peer: whoever connects cannot make the running copy hold more than that.
class InstanceChannel : public QObject {
    Q_OBJECT
  public:
    explicit InstanceChannel(QString socketPath, QObject* parent = nullptr);
    ~InstanceChannel() override;

    // Starts listening. A socket file that nobody answers on (left by a run that crashed) is
    // replaced; one a live peer still answers on is left alone, and false is returned.
    bool listen();
    bool isListening() const;

    // The files received and not taken yet, oldest first.
    QStringList takeReceived();

    // Hands `files` to the copy listening on `socketPath` and waits for its receipt; false when
    // nobody listens or no receipt comes within `timeoutMs`. Many files go in several messages,
    // as the bounds of one require.
    static bool Send(const QString& socketPath, const QStringList& files, int timeoutMs);

    // Whether a running copy listens on `socketPath` and answers within `timeoutMs`.
    static bool Answers(const QString& socketPath, int timeoutMs);

  signals:
    // New files are waiting in takeReceived().
    void filesReceived();

  private:
    void readFrom(QLocalSocket* peer);

    QString path_;
    QLocalServer* server_ = nullptr;
    QStringList received_;
};

} // namespace kovrel
