#include "desktop/gui/InstanceChannel.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace kovrel {

namespace {

// Marks a message of this program, so that a stray peer's bytes are not taken for file names.
constexpr quint32 kMessageMark = 0x4B565231; // "KVR1"
constexpr char kReceipt = 'k';
// File names are short; a peer that sends more than this is cut off.
constexpr qint64 kLongestMessage = 1 << 20;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

} // namespace

InstanceChannel::InstanceChannel(QString socketPath, QObject* parent)
    : QObject(parent), path_(std::move(socketPath)), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] { readFrom(peer); });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            readFrom(peer);
        }
    });
}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listen() {
    if (server_->isListening()) {
        return true;
    }
    {
        QLocalSocket probe;
        probe.connectToServer(path_);
        if (probe.waitForConnected(250)) {
            probe.abort();
            return false;
        }
    }
    QLocalServer::removeServer(path_);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(path_);
}

bool InstanceChannel::isListening() const {
    return server_->isListening();
}

QStringList InstanceChannel::takeReceived() {
    return std::exchange(received_, {});
}

void InstanceChannel::readFrom(QLocalSocket* peer) {
    // A peer that is not a start of this program is cut off as soon as that shows.
    QByteArray start = peer->peek(sizeof(kMessageMark));
    if (start.size() == sizeof(kMessageMark)) {
        QDataStream mark(start);
        mark.setVersion(kStreamVersion);
        quint32 value = 0;
        mark >> value;
        if (value != kMessageMark) {
            peer->abort();
            return;
        }
    }
    QDataStream in(peer);
    in.setVersion(kStreamVersion);
    in.startTransaction();
    quint32 mark = 0;
    QStringList files;
    in >> mark >> files;
    if (!in.commitTransaction()) {
        if (peer->bytesAvailable() > kLongestMessage) {
            peer->abort();
        }
        return;
    }
    if (mark != kMessageMark) {
        peer->abort();
        return;
    }
    peer->write(&kReceipt, 1);
    peer->flush();
    peer->disconnectFromServer();
    if (!files.isEmpty()) {
        received_ += files;
        emit filesReceived();
    }
}

bool InstanceChannel::Send(const QString& socketPath, const QStringList& files, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    QByteArray message;
    {
        QDataStream out(&message, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        out << kMessageMark << files;
    }
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
    }
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
    }
    char receipt = 0;
    return socket.read(&receipt, 1) == 1 && receipt == kReceipt;
}

} // namespace kovrel
