// The window's network games: the Host and Join dialogs, and the network game saved
// apart from the other.
#include "app/save_state.h"
#include "app/session.h"
#include "app/shell.h"
#include "app/store.h"
#include "app/taps.h"
#include "board/draw.h"
#include "board/places.h"
#include "board/sentence.h"
#include "game/targets.h"
#include "game/view.h"
#include "net/autoplay.h"
#include "qt/accessible_board.h"
#include "qt/app_paths.h"
#include "qt/board_view.h"
#include "qt/kept_statistics.h"
#include "qt/main_window.h"
#include "qt/net/transport.h"
#include "qt/network_dialogs.h"
#include "qt/network_labels.h"
#include "qt/network_play.h"
#include "qt/place_labels.h"
#include "qt/qt_host.h"
#include "qt/scores_window.h"
#include "qt/settings_store.h"
#include "qt/translation.h"
#include "support/memory_store.h"
#include "support/test_host.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <deque>
#include <random>

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

#ifdef TARMIGO_PEER

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

// The window joins tarmigo-peer hosting over the loopback address and plays seat 1 from
// the views it is sent, with the window's own taps; it holds no game of its own and
// saves none, and both sides end with the same scores.
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
    // No slides: the guest's board goes straight to each view.
    window.shell().game().round.set(flag::animate, false);
    NetworkPlay& network = window.network();
    network.joinAt(*address, listening[2].toStdString());
    EXPECT_TRUE(network.joined());

    DialogCloser closer;
    net::Dice dice(5);
    QElapsedTimer clock;
    clock.start();
    const Layout& l = window.shell().game().layout;
    QString said;
    // The peer asks for a rematch after the first game, which the window declines.
    while (clock.elapsed() < 60'000 && peer.state() != QProcess::NotRunning) {
        QTest::qWait(2);
        while (peer.canReadLine()) said += QString::fromUtf8(peer.readLine());
        const SeatView* view = network.joinedView();
        if (view && view->gameOver && !said.isEmpty()) break;
        if (!view || QApplication::activeModalWidget()) continue;
        EXPECT_EQ(view->seat, 1);
        const std::optional<net::Input> input = net::randomInput(*view, dice);
        if (!input || input->kind != net::Input::Kind::Tap) continue;
        const Point p = input->value == target::DrawPile     ? l.drawPileTap()
                        : input->value == target::StatusLine ? l.statusTap()
                                                             : l.slotTap(input->value);
        network.tap(p.x, p.y);
    }
    const SeatView* view = network.joinedView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->gameOver) << view->handOver << " " << network.notice().toStdString() << " "
                                << view->status.id << " modal "
                                << (QApplication::activeModalWidget() != nullptr);
    EXPECT_EQ(said.trimmed(), QStringLiteral("game over %1 %2")
                                  .arg(view->players[0].gameScore)
                                  .arg(view->players[1].gameScore));
    EXPECT_EQ(file.read(), localBefore); // the guest saves no game
    EXPECT_EQ(window.statistics().figures(Opponent::Network).games, 1u);
    network.leave();
    EXPECT_FALSE(network.joined());
    peer.kill();
    peer.waitForFinished();
}
#endif

// ---- Two windows in one process: one hosts, the other joins over the loopback address ----

using Bytes = std::vector<std::uint8_t>;

// The network game's three stores, in memory; each write or removal keeps a copy of all
// three as they then are, the state a kill at that moment would leave.
struct Recorded;
class RecordingStore : public MemoryStore {
  public:
    explicit RecordingStore(Recorded& all) : all_(all) {}
    bool write(std::span<const std::uint8_t> data) override;
    bool remove() override;

  private:
    Recorded& all_;
};

struct Recorded {
    struct Snapshot {
        std::optional<Bytes> file, second, code;
        bool fileOnly = false; // the file copy written, the second not yet
    };
    RecordingStore file{*this}, second{*this}, code{*this};
    std::vector<Snapshot> snapshots;

    void keep(const Store* written) {
        snapshots.push_back({file.bytes, second.bytes, code.bytes, written == &file});
    }
    void restore(const Snapshot& s) {
        file.bytes = s.file;
        second.bytes = s.second;
        code.bytes = s.code;
    }
};

bool RecordingStore::write(std::span<const std::uint8_t> data) {
    const bool written = MemoryStore::write(data);
    all_.keep(this);
    return written;
}

bool RecordingStore::remove() {
    const bool removed = MemoryStore::remove();
    all_.keep(this);
    return removed;
}

// The game scores of the copy a start restores: the second copy when sound, else the file.
std::array<int, 2> savedScores(const Recorded::Snapshot& s) {
    const std::optional<Bytes>& copy = s.second && isSoundRecord(*s.second) ? s.second : s.file;
    if (!copy || !isSoundRecord(*copy)) return {-1, -1};
    TestHost host;
    Session g(host, host);
    applySaveRecord(g, std::span<const std::uint8_t, SaveRecordSize>(copy->data(), SaveRecordSize));
    return {g.players[0].gameScore, g.players[1].gameScore};
}

// Every place of a window's board as a screen reader reads it.
QStringList readerNames(MainWindow& w) {
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&w.board());
    QStringList names;
    for (int i = 0; board && i < board->childCount(); ++i)
        names << board->child(i)->text(QAccessible::Name);
    return names;
}

QAccessibleActionInterface* placeActions(MainWindow& w, int place) {
    return QAccessible::queryAccessibleInterface(&w.board())->child(place)->actionInterface();
}

class TwoWindows : public ::testing::Test {
  protected:
    // A window over stores of its own; its network game's are `net`.
    std::unique_ptr<MainWindow> window(Recorded& net) {
        WindowSetup setup{&locals.emplace_back(), &locals.back(), &preferences, nullptr, {}};
        setup.networkFile = &net.file;
        setup.networkSecond = &net.second;
        setup.networkCode = &net.code;
        setup.networkTransports = [] { return makeTransports(); };
        auto w = std::make_unique<MainWindow>(setup);
        w->start();
        w->show();
        w->shell().game().round.set(flag::animate, false);
        return w;
    }

    // Hosts on a port the system picks (the closer answers Yes to resuming); the code.
    QString host(MainWindow& w) {
        w.network().host();
        for (int i = 0; i < 500 && !w.network().hostDialog(); ++i) QTest::qWait(2);
        if (!w.network().hostDialog()) return {};
        const QString code = find<QLabel>(w.network().hostDialog(), "code")->text();
        w.network().hostDialog()->onHost(0);
        return code;
    }

    // The guest joins the host and waits for the view of the game.
    bool join(MainWindow& guest, MainWindow& host, const QString& code) {
        const auto address =
            readPeerAddress("127.0.0.1:" + std::to_string(host.network().port())).address;
        if (!address) return false;
        guest.network().joinAt(*address, code.toStdString());
        for (int i = 0; i < 2000 && !guest.network().joinedView(); ++i) QTest::qWait(2);
        return guest.network().joinedView() && host.network().hosting();
    }

    // The host's game as the guest may see it, with the status line the guest was sent
    // (the host's board words its own status when it paints).
    static SeatView guestsShare(MainWindow& host, MainWindow& guest) {
        SeatView seen = viewFor(*host.network().hostedGame(), 1);
        seen.status = guest.network().joinedView()->status;
        return seen;
    }
    // The guest was sent all there is to see, and nothing is being shown.
    static bool inStep(MainWindow& host, MainWindow& guest) {
        const SeatView* sent = guest.network().joinedView();
        return host.network().hostedGame() && sent && *sent == guestsShare(host, guest) &&
               !host.host().presenting() && !QApplication::activeModalWidget();
    }

    // One input, at random, of whichever side is to move; the guest's through its board's
    // Press actions when `pressing`, else as a click. False once the game is over.
    bool move(MainWindow& host, MainWindow& guest, bool pressing) {
        QTest::qWait(1);
        Session* g = host.network().hostedGame();
        if (!g) return true;
        g->round.set(flag::animate, false);
        g->round.setPlayMode(PlayMode::TapOnce);
        g->round.setDiscardMode(DiscardMode::CardThenDeck);
        if (g->has(flag::gameOver)) return false;
        if (!inStep(host, guest)) return true;
        const Layout& l = g->layout;
        const SeatView own = viewFor(*g, 0);
        if (own.handOver) {
            host.host().tap(l.statusTap().x, l.statusTap().y); // deals the next hand
            return true;
        }
        const int seat = own.isOwnTurn() ? 0 : 1;
        const std::optional<net::Input> input = net::randomInput(viewFor(*g, seat), dice);
        if (!input || input->kind != net::Input::Kind::Tap) return true; // the closer answers
        const int at = input->value == target::DrawPile ? place::DrawPile : input->value - 1;
        if (seat == 1 && pressing) {
            placeActions(guest, at)->doAction(QAccessibleActionInterface::pressAction());
            return true;
        }
        const Point p = place::tapPoint(l, at);
        if (seat == 0)
            host.host().tap(p.x, p.y);
        else
            guest.network().tap(p.x, p.y);
        return true;
    }

    // Plays until the game is over; false when it does not end in time.
    bool playToTheEnd(MainWindow& host, MainWindow& guest) {
        QElapsedTimer clock;
        clock.start();
        while (move(host, guest, false))
            if (clock.elapsed() > 60'000) return false;
        return true;
    }

    std::deque<MemoryStore> locals;
    QTemporaryDir folder;
    QSettings preferences{folder.filePath("preferences.ini"), QSettings::IniFormat};
    net::Dice dice{17};
    DialogCloser closer;
};

// The guest's board read as a screen reader does: every name from the guest's own view
// of the game joined (never the window's own game, never the host's hand), Press offered
// where the guest may tap and sent to the host as a click is, and S the joined game's
// figures.
TEST_F(TwoWindows, AGuestsReaderReadsTheJoinedGame) {
    Recorded hostStores, guestStores;
    auto host = window(hostStores);
    auto guest = window(guestStores);
    const QString code = this->host(*host);
    const auto address = readPeerAddress("127.0.0.1:" + std::to_string(host->network().port()));
    guest->network().joinAt(*address.address, code.toStdString());
    // Before the host's first view: the sides named, no card.
    QStringList names = readerNames(*guest);
    ASSERT_EQ(names.size(), place::Accessible);
    EXPECT_EQ(names[0].toStdString(), shownText(place_label::SlotHidden).arg(1).toStdString());
    EXPECT_TRUE(names[place::FirstPlayer + place::PerPlayer].startsWith("Player 2"));
    for (int i = 0; i < 2000 && !inStep(*host, *guest); ++i) QTest::qWait(2);

    int checked[2] = {};
    QElapsedTimer clock;
    clock.start();
    while (std::min(checked[0], checked[1]) < 8 && clock.elapsed() < 60'000) {
        if (inStep(*host, *guest)) {
            const Session& g = *host->network().hostedGame();
            const SeatView seen = guestsShare(*host, *guest);
            const bool guestMoves = seen.isOwnTurn() && !seen.handOver && !seen.decisionPending;
            SCOPED_TRACE(::testing::Message() << "turn " << checked[0] + checked[1]);
            names = readerNames(*guest);
            QString faceUp;
            for (int i = place::DrawPile; i < place::Status; ++i) faceUp += names[i];
            for (int i = 0; i < place::Accessible; ++i) {
                ASSERT_EQ(names[i].toStdString(), placeName(seen, i).toStdString()) << i;
                // Press where a guest's tap plays: its cards and the draw pile, on its turn.
                const bool pressable =
                    guestMoves && (i < place::DrawPile ? isCard(seen.hand[std::size_t(i)])
                                                       : i == place::DrawPile);
                EXPECT_TRUE(i > place::DrawPile ||
                            placeActions(*guest, i)->actionNames().isEmpty() != pressable)
                    << i;
            }
            for (int s = 0; s < HandSize; ++s) {
                const Card own = g.players[1].hand[std::size_t(s)];
                const Card held = g.players[0].hand[std::size_t(s)];
                EXPECT_TRUE(!isCard(own) ||
                            names[s].contains(shownText(stringText(cardName(own)))));
                const QString heldName = isCard(held) ? shownText(stringText(cardName(held))) : "";
                if (heldName.isEmpty() || faceUp.contains(heldName) ||
                    std::count(g.players[1].hand.begin(), g.players[1].hand.end(), held))
                    continue;
                for (int i = 0; i < place::Status; ++i)
                    EXPECT_FALSE(names[i].contains(heldName)) << i << " " << held;
            }
            ++checked[guestMoves ? 1 : 0];
        }
        move(*host, *guest, true);
    }
    EXPECT_GE(std::min(checked[0], checked[1]), 8);

    // S: both sides' distances and scores, from the game joined.
    const Session& g = *host->network().hostedGame();
    guest->sayStanding();
    QString standing;
    for (int p = 0; p < 2; ++p)
        standing += QStringLiteral("%1Player %2: %3 miles, hand %4, game %5")
                        .arg(p ? "\n" : "")
                        .arg(p + 1)
                        .arg(g.players[std::size_t(p)].miles)
                        .arg(g.players[std::size_t(p)].handScore)
                        .arg(g.players[std::size_t(p)].gameScore);
    EXPECT_EQ(guest->board().note().toStdString(), standing.toStdString());
}

// The window hosting is killed at points drawn at random, one of them between the writes
// of the game's two copies: a new window over the stores as the kill left them resumes
// the game with the same code, the guest rejoins, and the game plays to its end with
// no refusal and no game score lost.
TEST_F(TwoWindows, TheHostSurvivesAKillAtAnyWrite) {
    Recorded stores, guestStores;
    QString code;
    {
        auto host = window(stores);
        auto guest = window(guestStores);
        code = this->host(*host);
        ASSERT_TRUE(join(*guest, *host, code));
        ASSERT_TRUE(playToTheEnd(*host, *guest));
    }
    const std::vector<Recorded::Snapshot> written = stores.snapshots;
    std::vector<std::size_t> between, resumable;
    for (std::size_t i = 0; i + 1 < written.size(); ++i) {
        if (!written[i].code || savedScores(written[i])[0] < 0) continue;
        resumable.push_back(i);
        if (written[i].fileOnly) between.push_back(i);
    }
    ASSERT_FALSE(between.empty());
    std::mt19937 draw(2026);
    const std::size_t kills[] = {between[draw() % between.size()],
                                 resumable[draw() % resumable.size()],
                                 resumable[draw() % resumable.size()]};
    for (std::size_t kill : kills) {
        SCOPED_TRACE(::testing::Message()
                     << "killed after write " << kill << " of " << written.size());
        Recorded left;
        left.restore(written[kill]);
        const std::array<int, 2> before = savedScores(written[kill]);
        auto host = window(left);
        auto guest = window(guestStores);
        EXPECT_EQ(this->host(*host), code);
        ASSERT_TRUE(join(*guest, *host, code));
        const Session& g = *host->network().hostedGame();
        EXPECT_EQ(g.players[0].gameScore, before[0]);
        EXPECT_EQ(g.players[1].gameScore, before[1]);
        ASSERT_TRUE(playToTheEnd(*host, *guest));
        EXPECT_GE(g.players[0].gameScore, before[0]);
        EXPECT_GE(g.players[1].gameScore, before[1]);

        EXPECT_TRUE(guest->network().joinedView()->gameOver);
        EXPECT_EQ(guest->network().notice(), QString());
        EXPECT_TRUE(left.file.bytes && isSoundRecord(*left.file.bytes));
    }
}

} // namespace
} // namespace tarmigo::testing
