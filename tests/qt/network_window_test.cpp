// The window's network games: the Host and Join dialogs, and the network game saved
// apart from the other.
#include "app/save_state.h"
#include "app/session.h"
#include "app/shell.h"
#include "app/store.h"
#include "app/taps.h"
#include "board/draw.h"
#include "game/targets.h"
#include "game/view.h"
#include "net/autoplay.h"
#include "qt/app_paths.h"
#include "qt/board_view.h"
#include "qt/kept_statistics.h"
#include "qt/main_window.h"
#include "qt/net/transport.h"
#include "qt/network_dialogs.h"
#include "qt/network_labels.h"
#include "qt/network_play.h"
#include "qt/qt_host.h"
#include "qt/qt_surface.h"
#include "qt/scores_window.h"
#include "qt/settings_store.h"
#include "qt/translation.h"
#include "support/test_host.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace tarmigo::testing {
namespace {

namespace nl = network_label;

template <class T> T* find(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The label tied to a field.
QLabel* labelOf(QWidget* dialog, QWidget* field) {
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->buddy() == field) return label;
    return nullptr;
}

// The widgets Tab visits from `first` until it comes back.
QList<QWidget*> tabChain(QWidget* first) {
    QList<QWidget*> chain{first};
    for (QWidget* w = first->nextInFocusChain(); w && w != first; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled()) chain << w;
    return chain;
}

TEST(NetworkDialogs, JoinReadsTheAddressAndCodeAndRefusesAMistakeAtItsField) {
    struct Row {
        const char* address;
        const char* code;
        const char* refusal; // nothing: joined
        const char* wrongField;
        const char* host = nullptr;
        int port = 0;
        const char* readCode = nullptr;
    };
    const Row rows[] = {
        {"[::1]:47470", "acd-efg", nullptr, nullptr, "::1", 47470, "ACDEFG"},
        {" 127.0.0.1:5000 ", "ACD EFG", nullptr, nullptr, "127.0.0.1", 5000, "ACDEFG"},
        {"myhost", "hjkmnp", nullptr, nullptr, "myhost", 47470, "HJKMNP"},
        {"", "ACDEFG", nl::NoAddressTyped, "address"},
        {"myhost:70000", "ACDEFG", nl::BadPort, "address"},
        {"300.1.1.1", "ACDEFG", nl::BadIPv4, "address"},
        {"::1:47470:", "ACDEFG", nl::BadIPv6, "address"},
        {"my_host", "ACDEFG", nl::BadName, "address"},
        {"myhost", "ACDEF", nl::BadCode, "code"},
        {"myhost", "ACDEF0", nl::BadCode, "code"}, // 0 is not in the alphabet
        {"myhost", "", nl::BadCode, "code"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.address) + " / " + r.code);
        JoinDialog dialog(QString::fromLatin1(r.address), QString::fromLatin1(r.code), 1);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(find<QLineEdit>(&dialog, "code"), Qt::Key_Return);
        const QString error = find<QLabel>(&dialog, "error")->text();
        if (!r.refusal) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << error.toStdString();
            EXPECT_EQ(dialog.address().host, r.host);
            EXPECT_EQ(dialog.address().port, r.port);
            EXPECT_EQ(dialog.code(), r.readCode);
            continue;
        }
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(error, shownText(r.refusal));
        EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(&dialog, r.wrongField));
    }
}

TEST(NetworkDialogs, TitlesLabelsAndTabOrder) {
    JoinDialog join(QString(), QString(), 1);
    EXPECT_EQ(join.windowTitle(), "Join a Network Game - Tarmigo");
    auto* address = find<QLineEdit>(&join, "address");
    auto* code = find<QLineEdit>(&join, "code");
    ASSERT_TRUE(labelOf(&join, address) && labelOf(&join, code));
    EXPECT_EQ(labelOf(&join, address)->text(), "&Address:");
    EXPECT_EQ(labelOf(&join, code)->text(), "Join &code:");
    EXPECT_EQ(tabChain(address), (QList<QWidget*>{address, code, find<QPushButton>(&join, "join"),
                                                  find<QPushButton>(&join, "cancel")}));

    HostDialog host(5000, QStringLiteral("ACDEFG"), {"myhost", "192.0.2.7"}, 1);
    EXPECT_EQ(host.windowTitle(), "Host a Network Game - Tarmigo");
    auto* port = find<QSpinBox>(&host, "port");
    ASSERT_TRUE(labelOf(&host, port));
    EXPECT_EQ(labelOf(&host, port)->text(), "&Port:");
    EXPECT_EQ(find<QLabel>(&host, "code")->text(), "ACDEFG");
    EXPECT_EQ(find<QLabel>(&host, "addresses")->text(), "myhost\n192.0.2.7");
    EXPECT_EQ(tabChain(port).front(), port);
    EXPECT_EQ(
        tabChain(port).mid(tabChain(port).size() - 2),
        (QList<QWidget*>{find<QPushButton>(&host, "host"), find<QPushButton>(&host, "cancel")}));

    // Hosting fixes the port while it waits; a failure lets it be changed again.
    int hosted = 0;
    host.onHost = [&](int p) { hosted = p; };
    host.show();
    port->setValue(47471);
    find<QPushButton>(&host, "host")->click();
    EXPECT_EQ(hosted, 47471);
    host.showWaiting();
    EXPECT_FALSE(port->isEnabled());
    EXPECT_EQ(find<QLabel>(&host, "state")->text(), "Waiting for Player 2");
    host.showError(QStringLiteral("The port is in use"));
    EXPECT_TRUE(port->isEnabled());
    EXPECT_TRUE(host.isVisible());
}

// A record of a game: n players, dealt from seed.
std::vector<std::uint8_t> recordOf(int players, std::uint32_t seed) {
    TestHost host;
    host.ticks = seed;
    Session s(host, host);
    beginHand(s, players, GameScores::Reset);
    buildSaveRecord(s);
    return {s.recordBuffer.begin(), s.recordBuffer.end()};
}

TEST(NetworkSaves, TheNetworkGameAndTheOtherAreKeptApart) {
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("settings.ini"));
    const QString file = saveFilePath(folder.path(), QStringLiteral("tarmigo"));
    const QString networkFile = networkSaveFilePath(folder.path(), QStringLiteral("tarmigo"));
    ASSERT_NE(file, networkFile);
    EXPECT_TRUE(networkSaveFilePath(folder.path(), QStringLiteral("tarmigt")).isEmpty());

    const auto local = recordOf(1, 11);
    const auto network = recordOf(2, 22);
    ASSERT_NE(local, network);
    {
        FileStore localFile(file.toStdString()), netFile(networkFile.toStdString());
        SettingsStore localSecond(ini), netSecond(ini, SettingsStore::Value::NetworkGame);
        SettingsStore code(ini, SettingsStore::Value::NetworkCode);
        // Written in turns, as two games saved after each move would be.
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(localFile.write(local) && localSecond.write(local));
            ASSERT_TRUE(netFile.write(network) && netSecond.write(network));
            ASSERT_TRUE(code.write(std::vector<std::uint8_t>{'A', 'C', 'D', 'E', 'F', 'G'}));
        }
    } // the program ends without anything more written
    FileStore localFile(file.toStdString()), netFile(networkFile.toStdString());
    SettingsStore localSecond(ini), netSecond(ini, SettingsStore::Value::NetworkGame);
    EXPECT_EQ(localFile.read(), local);
    EXPECT_EQ(localSecond.read(), local);
    EXPECT_EQ(netFile.read(), network);
    EXPECT_EQ(netSecond.read(), network);
    // Removing one leaves the other.
    EXPECT_TRUE(netSecond.remove());
    EXPECT_EQ(localSecond.read(), local);
    EXPECT_EQ(SettingsStore(ini, SettingsStore::Value::NetworkCode).read()->size(), 6u);
}

#ifdef TARMIGO_PEER
// Closes every dialog a move opens: the question answered Yes, a rematch declined, the
// Scores dialog Done.
class DialogCloser {
  public:
    DialogCloser() {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(box->objectName() == "rematchQuestion" ? QMessageBox::No
                                                                   : QMessageBox::Yes)
                    ->click();
            else if (auto* scores = dynamic_cast<ScoresWindow*>(modal))
                scores->reject();
        });
        timer_.start(5);
    }

  private:
    QTimer timer_;
};

// The window hosts on a port the system picks; tarmigo-peer joins over the loopback
// address and plays seat 1 at random; the window's player plays seat 0 through the
// window's own taps. Both sides end with the same scores, and the game is the
// network game's alone.
TEST(NetworkWindow, HostsAWholeGameAgainstAPeerOverLoopback) {
    QTemporaryDir folder;
    FileStore file((folder.filePath("game")).toStdString());
    FileStore second((folder.filePath("second")).toStdString());
    FileStore netFile((folder.filePath("netgame")).toStdString());
    FileStore netSecond((folder.filePath("netsecond")).toStdString());
    FileStore netCode((folder.filePath("netcode")).toStdString());
    QSettings preferences(folder.filePath("preferences.ini"), QSettings::IniFormat);
    WindowSetup setup{&file, &second, &preferences, nullptr, {}};
    setup.networkFile = &netFile;
    setup.networkSecond = &netSecond;
    setup.networkCode = &netCode;
    setup.networkTransports = [] { return makeTransports(); };
    MainWindow window(setup);
    window.start();
    window.show();
    const auto localBefore = file.read();

    NetworkPlay& network = window.network();
    network.host();
    ASSERT_NE(network.hostDialog(), nullptr);
    find<QSpinBox>(network.hostDialog(), "port")->setValue(1); // replaced below
    const QString code = find<QLabel>(network.hostDialog(), "code")->text();
    // Port 0: the system's choice, which the test reads back.
    network.hostDialog()->onHost(0);
    ASSERT_GT(network.port(), 0)
        << find<QLabel>(network.hostDialog(), "state")->text().toStdString();
    EXPECT_EQ(find<QLabel>(network.hostDialog(), "state")->text(), "Waiting for Player 2");

    QProcess peer;
    peer.start(QStringLiteral(TARMIGO_PEER),
               {QStringLiteral("join"), QStringLiteral("127.0.0.1:%1").arg(network.port()),
                QStringLiteral("--code"), code, QStringLiteral("--games"), QStringLiteral("1"),
                QStringLiteral("--seed"), QStringLiteral("7")});
    ASSERT_TRUE(peer.waitForStarted());
    DialogCloser closer;
    net::Dice dice(3);
    QElapsedTimer clock;
    clock.start();
    Session* game = nullptr;
    while (clock.elapsed() < 60'000 && peer.state() != QProcess::NotRunning) {
        QTest::qWait(2);
        game = network.hostedGame();
        if (!game || window.host().presenting() || QApplication::activeModalWidget()) continue;
        // The window's player takes its taps as the peer does, and no slides.
        game->round.set(flag::animate, false);
        game->round.setPlayMode(PlayMode::TapOnce);
        game->round.setDiscardMode(DiscardMode::CardThenDeck);
        const SeatView view = viewFor(*game, 0);
        if (view.gameOver) continue;
        const Layout& l = game->layout;
        if (view.handOver) {
            window.host().tap(l.statusTap().x, l.statusTap().y); // deals the next hand
            continue;
        }
        const std::optional<net::Input> input = net::randomInput(view, dice);
        if (!input || input->kind != net::Input::Kind::Tap) continue; // the question: answered Yes
        const Point p = input->value == target::DrawPile     ? l.drawPileTap()
                        : input->value == target::StatusLine ? l.statusTap()
                                                             : l.slotTap(input->value);
        window.host().tap(p.x, p.y);
    }
    if (peer.state() != QProcess::NotRunning) {
        ASSERT_TRUE(peer.waitForFinished(10'000));
    }
    const QString said = QString::fromUtf8(peer.readAllStandardOutput()).trimmed();
    EXPECT_EQ(peer.exitCode(), 0) << peer.readAllStandardError().toStdString();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->has(flag::gameOver));
    EXPECT_EQ(said, QStringLiteral("game over %1 %2")
                        .arg(game->players[0].gameScore)
                        .arg(game->players[1].gameScore));
    // The network game is saved apart: the other game's copy is as it was.
    EXPECT_EQ(file.read(), localBefore);
    EXPECT_TRUE(netFile.read() && isSoundRecord(*netFile.read()));
    const std::string typed = code.toStdString();
    EXPECT_EQ(netCode.read(), std::vector<std::uint8_t>(typed.begin(), typed.end()));
    EXPECT_EQ(window.statistics().figures(Opponent::Network).games, 1u);
    network.leave();
    EXPECT_FALSE(network.hosting());

    // Hosting again offers the saved game, with its code (the closer says Yes).
    network.host();
    for (int i = 0; i < 500 && !network.hostDialog(); ++i) QTest::qWait(2);
    ASSERT_NE(network.hostDialog(), nullptr);
    EXPECT_EQ(find<QLabel>(network.hostDialog(), "code")->text(), code);
    network.hostDialog()->reject();
}

// The board a guest shows at rest: the view it was sent, drawn by its own options. Off
// its turn the hand's row keeps its last picture, as the window's own game keeps it.
QImage restingBoard(MainWindow& window, const SeatView& sent) {
    SeatView v = sent;
    const Session& own = window.shell().game();
    v.showPlayable = own.has(flag::showPlayable);
    v.hideTips = own.has(flag::hideTips);
    const QtSurface& shown = window.board().surface();
    const int zoom = shown.zoom();
    QtSurface fresh(shown.image().width() / zoom, shown.image().height() / zoom, zoom);
    paintView(Board{v, own.layout, fresh});
    QImage image = fresh.image();
    if (!v.isOwnTurn()) {
        const Layout& l = own.layout;
        const QRect row(0, (l.handY + 1) * zoom, l.deckX * zoom, (l.statusY - l.handY - 1) * zoom);
        QPainter(&image).drawImage(row.topLeft(), shown.image().copy(row));
    }
    return image;
}

// Waits for the guest's board to come to rest on the last view; false if it never does.
bool restsOnTheView(MainWindow& window, const NetworkPlay& network) {
    for (int i = 0; i < 500; ++i) {
        const SeatView* view = network.joinedView();
        if (!network.presenting() && view &&
            window.board().surface().image() == restingBoard(window, *view))
            return true;
        QTest::qWait(1);
    }
    return false;
}

// The window joins tarmigo-peer hosting over the loopback address and plays seat 1 from
// the views it is sent, with the window's own taps and its own slides; it holds no game
// of its own and saves none, and both sides end with the same scores.
TEST(NetworkWindow, JoinsAWholeGameOfAPeerOverLoopback) {
    QTemporaryDir folder;
    FileStore file((folder.filePath("game")).toStdString());
    FileStore second((folder.filePath("second")).toStdString());
    QSettings preferences(folder.filePath("preferences.ini"), QSettings::IniFormat);
    WindowSetup setup{&file, &second, &preferences, nullptr, {}};
    setup.networkTransports = [] { return makeTransports(); };
    MainWindow window(setup);
    window.start();
    window.show();
    const auto localBefore = file.read();

    QProcess peer;
    peer.start(QStringLiteral(TARMIGO_PEER),
               {QStringLiteral("host"), QStringLiteral("--port"), QStringLiteral("0"),
                QStringLiteral("--games"), QStringLiteral("2"), QStringLiteral("--seed"),
                QStringLiteral("11"), QStringLiteral("--new"), QStringLiteral("--data-dir"),
                folder.filePath("peer")});
    ASSERT_TRUE(peer.waitForStarted());
    ASSERT_TRUE(peer.waitForReadyRead(10'000));
    const QStringList listening = QString::fromUtf8(peer.readLine()).trimmed().split(' ');
    ASSERT_EQ(listening.size(), 3);
    const auto address = readPeerAddress("127.0.0.1:" + listening[1].toStdString()).address;
    ASSERT_TRUE(address);
    // Quick slides, and the guest's own options: the host's would show no playable cards.
    Session& own = window.shell().game();
    own.round.set(flag::animate, true);
    own.round.animDelay = 1;
    own.round.set(flag::showPlayable, true);
    NetworkPlay& network = window.network();
    network.joinAt(*address, listening[2].toStdString());
    EXPECT_TRUE(network.joined());

    DialogCloser closer;
    net::Dice dice(5);
    QElapsedTimer clock;
    clock.start();
    const Layout& l = window.shell().game().layout;
    QString said;
    int slideFrames = 0;
    int hints = 0;
    QImage atRest;
    // The peer asks for a rematch after the first game, which the window declines.
    while (clock.elapsed() < 90'000 && peer.state() != QProcess::NotRunning) {
        QTest::qWait(1);
        while (peer.canReadLine()) said += QString::fromUtf8(peer.readLine());
        const SeatView* view = network.joinedView();
        if (view && view->gameOver && !said.isEmpty()) break;
        if (!view || QApplication::activeModalWidget()) continue;
        const QImage& board = window.board().surface().image();
        if (network.presenting()) {
            // A slide draws over the board left at rest, never the host's hand.
            slideFrames += board != atRest;
            own.round.set(flag::animate, slideFrames < 200); // then on to the game's end
            continue;
        }
        ASSERT_TRUE(restsOnTheView(window, network));
        atRest = board;
        EXPECT_EQ(view->seat, 1);
        if (view->isOwnTurn() && !view->handOver && hints < 3 && dice.below(8) == 0) {
            // H asks the host, which answers with the card Expert would play.
            window.board().clearMarks();
            window.showHint();
            for (int i = 0; i < 500 && !window.board().hintShown(); ++i) QTest::qWait(2);
            EXPECT_TRUE(window.board().hintShown());
            EXPECT_TRUE(window.board().note().startsWith("Hint: "))
                << window.board().note().toStdString();
            ++hints;
            continue;
        }
        const std::optional<net::Input> input = net::randomInput(*view, dice);
        if (!input || input->kind != net::Input::Kind::Tap) continue;
        const Point p = input->value == target::DrawPile     ? l.drawPileTap()
                        : input->value == target::StatusLine ? l.statusTap()
                                                             : l.slotTap(input->value);
        // The next input waits for the host's answer to this one.
        const SeatView before = *view;
        network.tap(p.x, p.y);
        for (int i = 0; i < 300 && !network.presenting() && *network.joinedView() == before; ++i)
            QTest::qWait(1);
    }
    const SeatView* view = network.joinedView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->gameOver) << view->handOver << " " << network.notice().toStdString() << " "
                                << view->status.id << " modal "
                                << (QApplication::activeModalWidget() != nullptr);
    EXPECT_EQ(said.trimmed(), QStringLiteral("game over %1 %2")
                                  .arg(view->players[0].gameScore)
                                  .arg(view->players[1].gameScore));
    EXPECT_GT(slideFrames, 50);
    EXPECT_GT(hints, 0);
    EXPECT_EQ(file.read(), localBefore); // the guest saves no game
    EXPECT_EQ(window.statistics().figures(Opponent::Network).games, 1u);
    // The notice over the board follows its zoom.
    network.askRematch();
    for (const int zoom : {2, 1}) {
        window.setZoom(zoom);
        QTest::qWait(20);
        ASSERT_NE(window.board().findChild<QLabel*>("networkNotice"), nullptr);
        EXPECT_EQ(window.board().findChild<QLabel*>("networkNotice")->width(),
                  int(window.board().boardArea().width()));
    }
    network.leave();
    EXPECT_FALSE(network.joined());
    peer.kill();
    peer.waitForFinished();
}
#endif

} // namespace
} // namespace tarmigo::testing
