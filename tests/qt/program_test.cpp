// One copy per user: a second start raises the window and exits, despite crashes or strangers.
#include "app/save_state.h"
#include "qt/main_window.h"
#include "qt/platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tarmigo::testing {
namespace {
constexpr int StartTimeoutMs = 60000; // generous: a loaded machine starts slowly

// A user's folders of its own for each test, and the built program started on them.
class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"data", "config", "run"}) QDir(folder.path()).mkdir(name);
        QFile::setPermissions(run(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString run() const { return folder.filePath("run"); }
    QString saveFile() const { return folder.filePath("data/tarmigo/tarmigt"); }
    // Starts the program and waits for it to end, unless `wait` is false.
    QProcess& launch(bool wait, const char* exitAfterPaint = nullptr) {
        auto& p = processes.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", folder.filePath("data"));
        env.insert("XDG_CONFIG_HOME", folder.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", run());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (exitAfterPaint) env.insert("TARMIGO_EXIT_AFTER_FIRST_PAINT", exitAfterPaint);
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(TARMIGO_PROGRAM), {});
        const auto ended = [&] { return p->state() == QProcess::NotRunning; };
        EXPECT_TRUE(!wait || QTest::qWaitFor(ended, StartTimeoutMs));
        return *p;
    }
    qint64 savedSize() const { return QFileInfo(saveFile()).size(); }
    QTemporaryDir folder;
    std::vector<std::unique_ptr<QProcess>> processes; // killed, if still running, at the end
};

TEST_F(ProgramTest, ASecondStartBringsTheRunningWindowBackAsItWasLeftAndExits) {
    // This process is the running copy: its window, maximised then minimised, answers.
    MainWindow window{WindowSetup{}};
    window.start();
    window.showMaximized();
    QTest::qWait(20);
    window.showMinimized();
    SingleInstance instance(run());
    ASSERT_TRUE(instance.claim());
    int raised = 0;
    instance.onRaise = [&] {
        ++raised;
        window.bringToFront();
    };
    // Nothing but the one request raises it.
    for (const QByteArray& bytes : {QByteArray("quit\n"), SingleInstance::RaiseRequest + "and more",
                                    QByteArray(1 << 20, 'x')}) {
        QLocalSocket socket;
        socket.connectToServer(instance.socketPath());
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(bytes);
        socket.flush();
        QTest::qWait(100);
    }
    EXPECT_EQ(raised, 0);
    QProcess& second = launch(true);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // The request may still wait in the socket when the second copy has ended.
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised > 0; }, StartTimeoutMs));
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(window.isMaximized() && !window.isMinimized()); // back as it was left
    EXPECT_FALSE(QFileInfo::exists(saveFile()));                // the second copy saved nothing
}

TEST_F(ProgramTest, ALockLeftByACrashedCopyDoesNotStopTheNextStart) {
    QProcess& first = launch(false);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return QFileInfo::exists(run() + "/" + SingleInstance::instanceName() + ".socket") &&
                   savedSize() > 0;
        },
        StartTimeoutMs));
    first.kill(); // no clean-up: the lock file and the socket stay behind
    first.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(run() + "/" + SingleInstance::instanceName() + ".lock"));
    QFile::remove(saveFile());
    QProcess& next = launch(true, "1");
    EXPECT_EQ(next.exitCode(), 0);
    EXPECT_EQ(savedSize(), SaveRecordSize); // it ran its start-up
}
} // namespace
} // namespace tarmigo::testing
