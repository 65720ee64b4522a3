// The built program run as processes: one copy per user, whatever the second start
// or a crashed first one left behind.
#include "window_fixture.h"

#include "qt/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>

namespace tarmigo::testing {
namespace {

const QString Program = QStringLiteral(TARMIGO_PROGRAM);
constexpr int StartTimeoutMs = 20000;

// A user's folders of its own for each test.
class ProgramTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        for (const char* name : {"data", "config", "run"}) QDir(folder.path()).mkdir(name);
        QFile::setPermissions(runFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override {
        for (QProcess* p : processes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished();
            }
            delete p;
        }
        WindowTest::TearDown();
    }

    QString runFolder() const { return folder.filePath("run"); }
    QString saveFile() const { return folder.filePath("data/tarmigo/tarmigt"); }

    QProcess* launch(const QStringList& extra = {}) {
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", folder.filePath("data"));
        env.insert("XDG_CONFIG_HOME", folder.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", runFolder());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const QString& setting : extra)
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(Program, {});
        processes.push_back(p);
        return p;
    }
    // Waits for a process to end while this program's own events keep running.
    static bool finished(QProcess* p) {
        return QTest::qWaitFor([p] { return p->state() == QProcess::NotRunning; }, StartTimeoutMs);
    }
    // The first copy is up once it answers on its socket and has written the state.
    bool running() {
        return QTest::qWaitFor(
            [this] {
                return QFileInfo::exists(QDir(runFolder()).filePath("tarmigo.socket")) &&
                       QFileInfo::exists(saveFile());
            },
            StartTimeoutMs);
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::vector<QProcess*> processes;
};

TEST_F(ProgramTest, ASecondStartExitsAtOnceAndLeavesTheSavedStateAlone) {
    QProcess* first = launch();
    ASSERT_TRUE(running());
    const QByteArray saved = contents(saveFile());
    const QDateTime written = QFileInfo(saveFile()).lastModified();
    ASSERT_EQ(saved.size(), 248);

    QProcess* second = launch();
    ASSERT_TRUE(finished(second));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(contents(saveFile()), saved);
    EXPECT_EQ(QFileInfo(saveFile()).lastModified(), written);
}

TEST_F(ProgramTest, ASecondStartBringsTheRunningWindowToTheFront) {
    // This process is the running copy: its window, minimised, answers the request.
    start();
    SingleInstance instance(runFolder());
    ASSERT_TRUE(instance.claim());
    int raised = 0;
    instance.onRaise = [&] {
        ++raised;
        window->bringToFront();
    };
    window->showMinimized();
    settle();

    QProcess* second = launch();
    ASSERT_TRUE(finished(second));
    EXPECT_EQ(second->exitCode(), 0);
    // The request may still wait in the socket when the second copy has ended.
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised > 0; }, StartTimeoutMs));
    EXPECT_EQ(raised, 1);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(QFileInfo::exists(saveFile())); // the second start saved nothing
}

TEST_F(ProgramTest, ALockLeftByACrashedCopyDoesNotStopTheNextStart) {
    QProcess* first = launch();
    ASSERT_TRUE(running());
    first->kill(); // no clean-up: the lock file and the socket stay behind
    first->waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(QDir(runFolder()).filePath("tarmigo.lock")));
    QFile::remove(saveFile());

    QProcess* next = launch({"TARMIGO_EXIT_AFTER_FIRST_PAINT=1"});
    ASSERT_TRUE(finished(next));
    EXPECT_EQ(next->exitCode(), 0);
    EXPECT_EQ(contents(saveFile()).size(), 248); // it ran its start-up
}

TEST_F(ProgramTest, TheRunningCopyAnswersOnlyTheOneRequest) {
    SingleInstance instance(runFolder());
    ASSERT_TRUE(instance.claim());
    int raised = 0;
    instance.onRaise = [&] { ++raised; };
    const auto send = [&](const QByteArray& bytes) {
        QLocalSocket socket;
        socket.connectToServer(instance.socketPath());
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(bytes);
        socket.flush();
        QTest::qWait(100);
        socket.abort();
        QTest::qWait(50);
    };
    send("quit\n");
    send(SingleInstance::RaiseRequest + "and more");
    send(QByteArray(1 << 20, 'x'));
    EXPECT_EQ(raised, 0);
    send(SingleInstance::RaiseRequest);
    EXPECT_EQ(raised, 1);
}

} // namespace
} // namespace tarmigo::testing
