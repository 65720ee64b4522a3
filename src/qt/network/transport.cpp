#include "qt/network/transport.h"

#include "app/sealed_lines.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <map>

namespace tarmigo {
namespace {

constexpr int TickMs = 500;

std::int64_t clockMs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())};
}

// Written through at once: a move's bytes are few and their latency is what counts.
void write(QTcpSocket& socket, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return;
    socket.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    socket.flush();
}

class QtHostTransport : public HostTransport {
  public:
    ~QtHostTransport() override { close(); }

    bool listen(const std::string& address, int port, net::HostEndpoint& endpoint,
                std::function<void()> changed, std::string& error) override {
        endpoint_ = &endpoint;
        changed_ = std::move(changed);
        const QHostAddress bind = address.empty() ? QHostAddress(QHostAddress::Any)
                                                  : QHostAddress(QString::fromStdString(address));
        if (bind.isNull()) {
            error = "not an address: " + address;
            return false;
        }
        server_ = std::make_unique<QTcpServer>();
        portTaken_ = false;
        if (!server_->listen(bind, quint16(port))) {
            portTaken_ = server_->serverError() == QAbstractSocket::AddressInUseError;
            error = portTaken_ ? "port " + std::to_string(port) + " is in use by another program"
                               : server_->errorString().toStdString();
            server_.reset();
            return false;
        }
        QObject::connect(server_.get(), &QTcpServer::newConnection, [this] { accept(); });
        timer_ = std::make_unique<QTimer>();
        QObject::connect(timer_.get(), &QTimer::timeout, [this] {
            endpoint_->tick(clockMs());
            settle();
        });
        timer_->start(TickMs);
        return true;
    }

    int port() const override { return server_ ? server_->serverPort() : 0; }
    bool portTaken() const override { return portTaken_; }

    void flush() override {
        if (!endpoint_) return;
        for (net::Outgoing& o : endpoint_->takeOutgoing()) {
            const auto it = sockets_.find(o.to);
            if (it == sockets_.end() || !it->second) continue;
            QTcpSocket& socket = *it->second;
            // A failed write aborts the socket, whose disconnected() may already have
            // forgotten it (the socket itself is deleted later): `it` is not kept.
            write(socket, o.bytes);
            if (o.close) {
                sockets_.erase(o.to);
                socket.disconnect();
                socket.disconnectFromHost();
                socket.deleteLater();
            }
        }
    }

    void stop() override { close(); }

  private:
    // What stop() does, also at destruction, where no override may be called.
    void close() {
        timer_.reset();
        if (server_) server_->close();
        server_.reset();
        for (auto& [id, socket] : sockets_) {
            if (!socket) continue;
            socket->disconnect();
            socket->flush();
            socket->disconnectFromHost();
            socket->deleteLater();
        }
        sockets_.clear();
    }

    void accept() {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            const net::ConnectionId id = ++last_;
            sockets_[id] = socket;
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            QObject::connect(socket, &QTcpSocket::readyRead, [this, id, socket] {
                endpoint_->received(id, bytesOf(socket->readAll()), clockMs());
                settle();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, [this, id, socket] {
                sockets_.erase(id);
                socket->deleteLater();
                endpoint_->closed(id, clockMs());
                settle();
            });
            endpoint_->opened(id, socket->peerAddress().toString().toStdString(), clockMs());
            settle();
        }
    }

    void settle() {
        flush();
        if (changed_) changed_();
        flush();
    }

    net::HostEndpoint* endpoint_ = nullptr;
    std::function<void()> changed_;
    std::unique_ptr<QTcpServer> server_;
    std::unique_ptr<QTimer> timer_;
    std::map<net::ConnectionId, QPointer<QTcpSocket>> sockets_;
    net::ConnectionId last_ = 0;
    bool portTaken_ = false;
};

class QtGuestTransport : public GuestTransport {
  public:
    ~QtGuestTransport() override { close(); }

    void start(const std::string& host, int port, net::GuestSession& session,
               std::function<void()> changed) override {
        host_ = QString::fromStdString(host);
        port_ = quint16(port);
        session_ = &session;
        changed_ = std::move(changed);
        ticker_ = std::make_unique<QTimer>();
        QObject::connect(ticker_.get(), &QTimer::timeout, [this] {
            session_->tick(clockMs());
            settle();
        });
        ticker_->start(TickMs);
        retry_ = std::make_unique<QTimer>();
        retry_->setSingleShot(true);
        QObject::connect(retry_.get(), &QTimer::timeout, [this] { connect(); });
        connect();
    }

    int failures() const override { return failures_; }
    Failure lastFailure() const override { return failure_; }

    void flush() override {
        if (!socket_ || !session_) return;
        // A failed write or flush aborts the socket, and its disconnected() runs lost()
        // at once, which sets socket_ to nothing (the socket itself is deleted later).
        QTcpSocket* socket = socket_;
        write(*socket, session_->takeOutgoing());
        if (session_->wantsClose() && socket->state() != QAbstractSocket::UnconnectedState) {
            socket->flush();
            socket->disconnectFromHost();
        }
    }

    void stop() override { close(); }

  private:
    // What stop() does, also at destruction, where no override may be called.
    void close() {
        ticker_.reset();
        retry_.reset();
        if (socket_) {
            socket_->disconnect();
            socket_->flush();
            socket_->disconnectFromHost();
            socket_->deleteLater();
            socket_ = nullptr;
        }
    }

    void connect() {
        if (!session_->wantsConnection()) return;
        if (socket_) {
            socket_->disconnect();
            socket_->abort();
            socket_->deleteLater();
        }
        socket_ = new QTcpSocket;
        attemptConnected_ = false;
        QTcpSocket* socket = socket_;
        QObject::connect(socket, &QTcpSocket::connected, [this, socket] {
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            failures_ = 0;
            failure_ = Failure::None;
            attemptConnected_ = true;
            session_->connected(clockMs());
            settle();
        });
        QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
            session_->received(bytesOf(socket->readAll()), clockMs());
            settle();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, [this] { lost(); });
        QObject::connect(socket, &QTcpSocket::errorOccurred,
                         [this, socket](QAbstractSocket::SocketError error) {
                             if (socket->state() == QAbstractSocket::ConnectedState) return;
                             // An attempt that never connected: say why.
                             if (!attemptConnected_)
                                 failure_ = error == QAbstractSocket::ConnectionRefusedError
                                                ? Failure::NothingListens
                                                : Failure::Unreachable;
                             lost();
                         });
        socket->connectToHost(host_, port_);
    }

    void lost() {
        if (!socket_) return;
        QTcpSocket* socket = socket_;
        socket_ = nullptr;
        socket->disconnect();
        socket->deleteLater();
        session_->disconnected(clockMs());
        ++failures_;
        settle();
        if (session_->wantsConnection() && retry_) retry_->start(int(session_->nextDelay()));
    }

    void settle() {
        flush();
        if (changed_) changed_();
        flush();
    }

    QString host_;
    quint16 port_ = 0;
    net::GuestSession* session_ = nullptr;
    std::function<void()> changed_;
    QTcpSocket* socket_ = nullptr;
    std::unique_ptr<QTimer> ticker_;
    std::unique_ptr<QTimer> retry_;
    int failures_ = 0;
    Failure failure_ = Failure::None;
    bool attemptConnected_ = false;
};

class QtTransports : public NetworkTransports {
  public:
    std::unique_ptr<HostTransport> host() override { return std::make_unique<QtHostTransport>(); }
    std::unique_ptr<GuestTransport> guest() override {
        return std::make_unique<QtGuestTransport>();
    }
    std::vector<std::string> addresses() override {
        std::vector<std::string> out;
        std::vector<std::string> loopback;
        for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
            if (a.isLinkLocal() || a.isMulticast()) continue;
            QHostAddress plain = a;
            plain.setScopeId({});
            (a.isLoopback() ? loopback : out).push_back(plain.toString().toStdString());
        }
        out.insert(out.end(), loopback.begin(), loopback.end());
        return out;
    }
    net::LineFactory lines() override { return app::sealedLines(); }
};

} // namespace

std::unique_ptr<NetworkTransports> makeTransports() {
    return std::make_unique<QtTransports>();
}

} // namespace tarmigo

extern "C" Q_DECL_EXPORT tarmigo::NetworkTransports* tarmigo_create_transports() {
    return tarmigo::makeTransports().release();
}
