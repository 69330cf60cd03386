#include "desktop/gui/InstanceChannel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

#include <optional>

namespace kovrel {

namespace {

// A message: this mark, the length of what follows, then each file name as its length and its
// UTF-8 bytes. Every number is 32 bits, most significant byte first.
constexpr quint32 kMessageMark = 0x4B565232; // "KVR2"
constexpr qsizetype kHeaderSize = 8;
constexpr char kReceipt = 'k';
// Bounds on what a peer may make the running copy hold: the names of one message, their
// number, and one name (PATH_MAX, the longest path the system opens).
constexpr qsizetype kLongestMessage = 1 << 20;
constexpr qsizetype kMostFiles = 1000;
constexpr qsizetype kLongestName = 4096;
// A peer that has not said everything by then is cut off.
constexpr int kPeerMilliseconds = 5000;

quint32 NumberAt(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

void AppendNumber(QByteArray& bytes, quint32 number) {
    char big[4];
    qToBigEndian(number, big);
    bytes.append(big, sizeof big);
}

// The file names of a message's body, or nothing when the body is not exactly a list of
// names within the bounds.
std::optional<QStringList> ParseNames(const QByteArray& body) {
    QStringList names;
    qsizetype at = 0;
    while (at < body.size()) {
        if (body.size() - at < 4 || names.size() == kMostFiles) {
            return std::nullopt;
        }
        const quint32 length = NumberAt(body, at);
        at += 4;
        if (length == 0 || length > kLongestName || length > quint32(body.size() - at)) {
            return std::nullopt;
        }
        const QByteArray utf8 = body.mid(at, length);
        at += length;
        QStringDecoder decoder(QStringDecoder::Utf8);
        QString name = decoder(utf8);
        if (decoder.hasError() || utf8.contains('\0')) {
            return std::nullopt;
        }
        names.append(std::move(name));
    }
    return names;
}

QByteArray Message(const QList<QByteArray>& names) {
    QByteArray body;
    for (const QByteArray& name : names) {
        AppendNumber(body, quint32(name.size()));
        body += name;
    }
    QByteArray message;
    AppendNumber(message, kMessageMark);
    AppendNumber(message, quint32(body.size()));
    return message + body;
}

// One message to the copy listening at `socketPath`, and its receipt.
bool SendMessage(const QString& socketPath, const QByteArray& message,
                 const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
        return false;
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

} // namespace

InstanceChannel::InstanceChannel(QString socketPath, QObject* parent)
    : QObject(parent), path_(std::move(socketPath)), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            peer->setReadBufferSize(kHeaderSize + kLongestMessage);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] { readFrom(peer); });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            QTimer::singleShot(kPeerMilliseconds, peer, [peer] { peer->abort(); });
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
    if (peer->state() != QLocalSocket::ConnectedState || peer->bytesAvailable() < kHeaderSize) {
        return;
    }
    // A peer that is not a start of this program, or that announces more than a start sends,
    // is cut off as soon as that shows: nothing is held for it.
    const QByteArray header = peer->peek(kHeaderSize);
    const quint32 length = NumberAt(header, 4);
    if (NumberAt(header, 0) != kMessageMark || length > quint32(kLongestMessage)) {
        peer->abort();
        return;
    }
    if (peer->bytesAvailable() < kHeaderSize + qsizetype(length)) {
        return;
    }
    peer->skip(kHeaderSize);
    const std::optional<QStringList> files = ParseNames(peer->read(length));
    if (!files) {
        peer->abort();
        return;
    }
    peer->write(&kReceipt, 1);
    peer->flush();
    peer->disconnectFromServer();
    if (!files->isEmpty()) {
        received_ += *files;
        emit filesReceived();
    }
}

bool InstanceChannel::Send(const QString& socketPath, const QStringList& files, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    // As many messages as the bounds need; a name longer than any path the system opens could
    // never be opened, and is left out.
    QList<QList<QByteArray>> messages(1);
    qsizetype size = 0;
    for (const QString& file : files) {
        QByteArray name = file.toUtf8();
        if (name.isEmpty() || name.size() > kLongestName || name.contains('\0')) {
            continue;
        }
        if (messages.last().size() == kMostFiles || size + 4 + name.size() > kLongestMessage) {
            messages.append(QList<QByteArray>());
            size = 0;
        }
        size += 4 + name.size();
        messages.last().append(std::move(name));
    }
    for (const QList<QByteArray>& names : messages) {
        if (!SendMessage(socketPath, Message(names), deadline)) {
            return false;
        }
    }
    return true;
}

bool InstanceChannel::Answers(const QString& socketPath, int timeoutMs) {
    return SendMessage(socketPath, Message({}), QDeadlineTimer(timeoutMs));
}

} // namespace kovrel
