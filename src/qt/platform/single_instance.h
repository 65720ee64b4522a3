#pragma once
// One running program per user and display: a lock file and a local socket in the
// user's runtime folder, named after the display (and the profile, for a second,
// separate program started with --profile). A later start on the same display asks the
// running program to come to the front and ends; one on another display runs.
//
// The socket is a plain Unix-domain stream socket watched by the event loop: the
// program has no other use for Qt's network module, which would cost start-up time
// and memory to load.
#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace tarmigo {

class SingleInstance {
  public:
    // The one request a later start may send.
    static const QByteArray RaiseRequest;

    // The lock's and socket's name: "tarmigo", then the display ($WAYLAND_DISPLAY or
    // $DISPLAY, in file-name characters) and a hash of the profile folder when given.
    static QString instanceName(const QString& profile = {});

    // An empty folder means no single instance: every start runs.
    explicit SingleInstance(const QString& folder, const QString& name = instanceName());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock. True when no other program holds it (a lock left by a program
    // that died does not count); this program then answers later starts.
    bool claim();
    // Sends the raise request to the running program; false when it could not be
    // reached within the time.
    bool notifyRunning(int timeoutMs = 3000);

    // Called when a later start asks this program to come to the front.
    std::function<void()> onRaise;

    QString socketPath() const { return socketPath_; }
    QString lockPath() const { return lockPath_; }

  private:
    struct Client;
    void listen();
    void accept();
    void read(int fd);
    void drop(int fd);
    // Drops the clients that have said nothing for too long.
    void dropSilent();

    QString socketPath_;
    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    std::unique_ptr<QTimer> sweeper_;
    std::map<int, std::unique_ptr<Client>> clients_;
};

} // namespace tarmigo
