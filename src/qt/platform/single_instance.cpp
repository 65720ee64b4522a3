#include "qt/platform/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <vector>

namespace tarmigo {
namespace {

// A client that connects and then says nothing is dropped after this long.
constexpr int ClientTimeoutMs = 2000;
// More clients at once than this are not what a second start looks like.
constexpr std::size_t MaxClients = 4;
constexpr int RetryPauseMs = 100;

// The socket's address; false when the path does not fit one.
bool socketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

} // namespace

struct SingleInstance::Client {
    std::unique_ptr<QSocketNotifier> readable;
    QElapsedTimer age;
    QByteArray received;
};

const QByteArray SingleInstance::RaiseRequest = QByteArrayLiteral("tarmigo/raise\n");

QString SingleInstance::instanceName(const QString& profile) {
    QString name = QStringLiteral("tarmigo");
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    for (QChar& c : display)
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-')) c = u'_';
    if (!display.isEmpty()) name += QLatin1Char('-') + display.left(40);
    if (!profile.isEmpty()) name += QLatin1Char('-') + QString::number(qHash(profile), 16);
    return name;
}

SingleInstance::SingleInstance(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return;
    const QDir dir(folder);
    socketPath_ = dir.filePath(name + QStringLiteral(".socket"));
    lockPath_ = dir.filePath(name + QStringLiteral(".lock"));
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a lock whose owner is gone is stale, however old it is.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    while (!clients_.empty()) drop(clients_.begin()->first);
    sweeper_.reset();
    if (listener_ >= 0) {
        listening_.reset();
        ::close(listener_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
}

bool SingleInstance::claim() {
    if (!lock_) return true;
    if (!lock_->tryLock(0)) {
        // Only a live owner stops us; a lock that cannot be written at all does not.
        return lock_->error() != QLockFile::LockFailedError;
    }
    listen();
    return true;
}

void SingleInstance::listen() {
    sockaddr_un address;
    if (!socketAddress(socketPath_, address)) return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // We hold the lock, so a socket file left here belongs to a program that died.
    ::unlink(address.sun_path);
    const mode_t previous = ::umask(0077); // the socket is ours alone
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd, int(MaxClients)) != 0) {
        ::close(fd);
        return;
    }
    listener_ = fd;
    listening_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(listening_.get(), &QSocketNotifier::activated, listening_.get(),
                     [this] { accept(); });
    sweeper_ = std::make_unique<QTimer>();
    sweeper_->setInterval(ClientTimeoutMs / 4);
    QObject::connect(sweeper_.get(), &QTimer::timeout, sweeper_.get(), [this] { dropSilent(); });
}

void SingleInstance::dropSilent() {
    std::vector<int> silent;
    for (const auto& [fd, client] : clients_)
        if (client->age.hasExpired(ClientTimeoutMs)) silent.push_back(fd);
    for (int fd : silent) drop(fd);
    if (clients_.empty()) sweeper_->stop();
}

void SingleInstance::accept() {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return; // no more waiting (or a failed one): nothing to do
        if (clients_.size() >= MaxClients) {
            ::close(fd);
            continue;
        }
        auto client = std::make_unique<Client>();
        client->readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(client->readable.get(), &QSocketNotifier::activated,
                         client->readable.get(), [this, fd] { read(fd); });
        client->age.start();
        clients_.emplace(fd, std::move(client));
        if (!sweeper_->isActive()) sweeper_->start();
    }
}

void SingleInstance::read(int fd) {
    const auto it = clients_.find(fd);
    if (it == clients_.end()) return;
    QByteArray& received = it->second->received;
    // Read no more than one byte past the request: anything longer is not the request.
    char buffer[64];
    const qsizetype want =
        std::min<qsizetype>(sizeof buffer, RaiseRequest.size() + 1 - received.size());
    const ssize_t got = ::read(fd, buffer, std::size_t(want));
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got <= 0) { // closed before saying the request, or broken
        drop(fd);
        return;
    }
    received.append(buffer, got);
    if (received.size() < RaiseRequest.size()) return;
    const bool raise = received == RaiseRequest;
    drop(fd);
    if (raise && onRaise) onRaise();
}

void SingleInstance::drop(int fd) {
    const auto it = clients_.find(fd);
    if (it == clients_.end()) return;
    it->second->readable->setEnabled(false);
    it->second->readable.release()->deleteLater(); // it may be the one calling
    clients_.erase(it);
    ::close(fd);
}

bool SingleInstance::notifyRunning(int timeoutMs) {
    sockaddr_un address;
    if (!lock_ || !socketAddress(socketPath_, address)) return false;
    QElapsedTimer clock;
    clock.start();
    // The running program may be starting up and not listen yet: try again for a while.
    while (clock.elapsed() < timeoutMs) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            const bool sent = ::send(fd, RaiseRequest.constData(), std::size_t(RaiseRequest.size()),
                                     MSG_NOSIGNAL) == RaiseRequest.size();
            ::close(fd);
            return sent;
        }
        ::close(fd);
        QThread::msleep(RetryPauseMs);
    }
    return false;
}

} // namespace tarmigo
