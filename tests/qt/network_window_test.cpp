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
#include "game/notation.h"
#include "game/strings.h"
#include "game/targets.h"
#include "game/view.h"
#include "net/autoplay.h"
#include "qt/board/accessible_board.h"
#include "qt/board/board_view.h"
#include "qt/board/place_labels.h"
#include "qt/board/qt_surface.h"
#include "qt/board_watch.h"
#include "qt/dialogs/scores_window.h"
#include "qt/main_window.h"
#include "qt/network/network_dialogs.h"
#include "qt/network/network_labels.h"
#include "qt/network/network_play.h"
#include "qt/network/transport.h"
#include "qt/platform/app_paths.h"
#include "qt/platform/kept_statistics.h"
#include "qt/platform/settings_store.h"
#include "qt/platform/translation.h"
#include "qt/qt_host.h"
#include "support/memory_store.h"
#include "support/test_host.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

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
        // The code's refusal names the alphabet.
        EXPECT_EQ(error, r.refusal == nl::BadCode
                             ? shownText(r.refusal).arg("ACDEFGHJKMNPQRTUVWXY34679")
                             : shownText(r.refusal));
        EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(&dialog, r.wrongField));
    }
}

TEST(NetworkDialogs, FieldsAreLabelledAndTabbedInOrder) {
    JoinDialog join(QString(), QString(), 1);
    auto* address = find<QLineEdit>(&join, "address");
    auto* code = find<QLineEdit>(&join, "code");
    ASSERT_TRUE(labelOf(&join, address) && labelOf(&join, code));
    EXPECT_EQ(tabChain(address), (QList<QWidget*>{address, code, find<QPushButton>(&join, "join"),
                                                  find<QPushButton>(&join, "cancel")}));

    HostDialog host(5000, QStringLiteral("ACDEFG"), {"myhost", "192.0.2.7"}, 1);
    auto* port = find<QSpinBox>(&host, "port");
    ASSERT_TRUE(labelOf(&host, port));
    // Tab reaches the addresses and the code, which the dialog says as it opens.
    QList<QWidget*> fields;
    QString texts;
    for (QLineEdit* field : host.findChildren<QLineEdit*>())
        if (field->isReadOnly()) fields << field, texts += field->text() + ' ';
    EXPECT_EQ(tabChain(port).mid(2, 3), fields); // after the port and its spin box's field
    EXPECT_EQ(texts, "myhost 192.0.2.7 ACDEFG ");
    EXPECT_EQ(host.accessibleDescription(),
              "Join code: ACDEFG. Player 2 can reach this computer at: myhost, 192.0.2.7");
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

    const auto local = recordOf(1, 11), network = recordOf(2, 22);
    const std::string localPath = file.toStdString(), netPath = networkFile.toStdString();
    constexpr auto NetworkGame = SettingsStore::Value::NetworkGame;
    // Each written by stores that end before the two are read back.
    ASSERT_TRUE(FileStore(localPath).write(local) && SettingsStore(ini).write(local));
    ASSERT_TRUE(FileStore(netPath).write(network) &&
                SettingsStore(ini, NetworkGame).write(network));
    EXPECT_EQ(FileStore(localPath).read(), local);
    EXPECT_EQ(SettingsStore(ini).read(), local);
    EXPECT_EQ(FileStore(netPath).read(), network);
    SettingsStore netSecond(ini, NetworkGame);
    EXPECT_EQ(netSecond.read(), network);
    EXPECT_TRUE(netSecond.remove()); // removing one leaves the other
    EXPECT_EQ(SettingsStore(ini).read(), local);
}

// ---- Two windows in one process: one hosts, the other joins over the loopback address ----

// The network game's stores in memory. Each write keeps a copy of all three as they then
// are, what a kill at that moment would leave; `fileOnly`: the file copy written, the
// second not yet.
struct Recorded {
    struct Copy : MemoryStore {
        explicit Copy(Recorded* to) : all(to) {}
        bool write(std::span<const std::uint8_t> data) override {
            const bool written = MemoryStore::write(data);
            all->kept.push_back({{all->copies[0].bytes, all->copies[1].bytes, all->copies[2].bytes},
                                 this == &all->copies[0]});
            return written;
        }
        Recorded* all;
    };
    struct Kept {
        std::array<std::optional<std::vector<std::uint8_t>>, 3> bytes;
        bool fileOnly;
    };
    std::array<Copy, 3> copies{Copy(this), Copy(this), Copy(this)}; // file, second, code
    std::vector<Kept> kept;
};

// The game scores of the copy a start restores (the second when sound, else the file).
std::array<int, 2> savedScores(const Recorded::Kept& k) {
    const auto& copy = k.bytes[1] && isSoundRecord(*k.bytes[1]) ? k.bytes[1] : k.bytes[0];
    if (!copy || !isSoundRecord(*copy)) return {-1, -1};
    TestHost host;
    Session g(host, host);
    applySaveRecord(g, std::span<const std::uint8_t, SaveRecordSize>(copy->data(), SaveRecordSize));
    return {g.players[0].gameScore, g.players[1].gameScore};
}

class TwoWindows : public ::testing::Test {
  protected:
    // A window hosting over `net` (a saved game resumed: the closer says Yes) and one that
    // joins it; both wait for the guest's first view.
    void start(Recorded& net) {
        saving = &net;
        host.reset();
        guest.reset();
        open(host, net);
        open(guest, net);
        ASSERT_NO_FATAL_FAILURE(hostAGame());
        guest->network().joinAt(at(), code.toStdString());
    }
    void open(std::unique_ptr<MainWindow>& w, Recorded& net) {
        WindowSetup setup{
            &local, &local, &w == &host ? &preferences : &guestPreferences, nullptr, {}};
        setup.networkFile = &net.copies[0];
        setup.networkSecond = &net.copies[1];
        setup.networkCode = &net.copies[2];
        setup.networkTransports = [] { return makeTransports(); };
        w = std::make_unique<MainWindow>(setup);
        w->start();
        w->show();
        w->shell().game().round.set(flag::animate, false);
    }
    void hostAGame() {
        host->network().host();
        for (int i = 0; i < 500 && !host->network().hostDialog(); ++i) QTest::qWait(2);
        ASSERT_NE(host->network().hostDialog(), nullptr);
        code = find<QLineEdit>(host->network().hostDialog(), "code")->text();
        host->network().hostDialog()->onHost(0);
    }
    PeerAddress at() {
        return *readPeerAddress("127.0.0.1:" + std::to_string(host->network().port())).address;
    }
    // One tap at random on a side's turn, from its own view (the host deals the next hand);
    // false if it has none to make.
    bool tapAtRandom(MainWindow& w, const SeatView& v) {
        const bool hosts = &w == host.get();
        if (v.gameOver || v.decisionPending || !(v.handOver ? hosts : v.isOwnTurn())) return false;
        const std::optional<net::Input> input = net::randomInput(v, dice);
        if (input && input->kind != net::Input::Kind::Tap) return false; // the closer answers
        const Point p =
            place::tapPoint(w.shell().game().layout, {input ? input->value : target::StatusLine});
        return hosts ? (w.host().tap(p.x, p.y), true) : w.network().tap(p.x, p.y);
    }
    void waitForTheGuest() {
        for (int i = 0; i < 2000 && !inStep(); ++i) QTest::qWait(2);
        ASSERT_TRUE(inStep());
    }

    QStringList readerNames(MainWindow* w = nullptr) {
        QAccessibleInterface* board =
            QAccessible::queryAccessibleInterface(&(w ? w : guest.get())->board());
        QStringList names;
        for (int i = 0; i < board->childCount(); ++i)
            names << board->child(i)->text(QAccessible::Name);
        return names;
    }
    QAccessibleActionInterface* actions(int place) {
        return QAccessible::queryAccessibleInterface(&guest->board())
            ->child(place)
            ->actionInterface();
    }
    // The host's game as the guest may see it, seat 1's own status line included.
    SeatView guestsShare() { return viewFor(*host->network().hostedGame(), 1); }
    // The guest was sent all there is to see, and nothing is being shown.
    bool inStep() {
        const SeatView* sent = guest->network().joinedView();
        return host->network().hostedGame() && sent && *sent == guestsShare() &&
               !host->host().presenting() && !QApplication::activeModalWidget();
    }
    // One input, at random, of whichever side is to move; the guest's by its board's Press
    // actions when `reading`, which first checks what the guest's reader reads. False once
    // the game is over.
    bool move(bool reading) {
        QTest::qWait(1);
        Session* g = host->network().hostedGame();
        if (!g || !inStep()) return true;
        g->round.set(flag::animate, hostSlides);
        g->round.animDelay = 1;
        g->round.setPlayMode(PlayMode::TapOnce);
        g->round.setDiscardMode(DiscardMode::CardThenDeck);
        if (reading) expectGuestReads();
        const SeatView own = viewFor(*g, 0);
        const bool hosts = own.isOwnTurn() || own.handOver; // a hand over: the host deals
        // The host waits with whose turn it is, never the guest's refusals or tips.
        EXPECT_TRUE(hosts || own.status.id == text::Player2sTurn) << own.status.id;
        if (own.gameOver) return false;
        if (hosts || !reading) {
            tapAtRandom(hosts ? *host : *guest, viewFor(*g, !hosts));
            if (own.handOver) expectEachShowsItsSeat(); // a new hand, before anyone moves
            return true;
        }
        const std::optional<net::Input> input = net::randomInput(viewFor(*g, 1), dice);
        if (!input || input->kind == net::Input::Kind::Tap) // else the closer answers
            actions(place::childOf({input ? input->value : target::StatusLine}))
                ->doAction(QAccessibleActionInterface::pressAction());
        return true;
    }
    bool playToTheEnd(bool reading = false) {
        QElapsedTimer clock;
        clock.start();
        while (move(reading) && !HasFatalFailure())
            if (clock.elapsed() > 60'000) return false;
        return true;
    }
    // Every name of the guest's board is the guest's view's (never the window's own game's;
    // so never the host's hand); Press only where its tap plays.
    void expectGuestReads() {
        const SeatView seen = guestsShare();
        const bool guestMoves = seen.isOwnTurn() && !seen.handOver && !seen.decisionPending;
        const QStringList names = readerNames();
        ASSERT_EQ(names.size(), place::Accessible);
        for (int i = 0; i < place::Accessible; ++i) {
            const int t = place::Read[i].target;
            ASSERT_EQ(names[i].toStdString(), placeName(seen, place::Read[i]).toStdString()) << i;
            const bool pressable = guestMoves && (target::isHandSlot(t) ? isCard(seen.hand[t - 1])
                                                                        : t == target::DrawPile);
            EXPECT_TRUE((!target::isHandSlot(t) && t != target::DrawPile) ||
                        actions(i)->actionNames().isEmpty() != pressable);
        }
        ++checked[guestMoves];
    }

    // Before anyone moves, each window shows its seat's hand in the game the host saved,
    // and the board and its names (the guest's status its own) are the seat's view.
    void expectEachShowsItsSeat() {
        ASSERT_NO_FATAL_FAILURE(waitForTheGuest());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !guest->network().presenting(); }));
        TestHost platform;
        Session saved(platform, platform);
        applySaveRecord(saved, std::span<const std::uint8_t, SaveRecordSize>(
                                   saving->copies[0].bytes->data(), SaveRecordSize));
        for (MainWindow* w : {host.get(), guest.get()}) {
            const SeatView v = w->shownView();
            EXPECT_EQ(v.hand, viewFor(saved, w == guest.get()).hand);
            EXPECT_TRUE(painted(*w, v) == w->board().surface().image()) << v.seat;
            for (int i = 0; i < place::Accessible; ++i)
                EXPECT_EQ(readerNames(w).value(i), placeName(v, place::Read[i])) << v.seat;
        }
    }

    MemoryStore local;
    QTemporaryDir folder;
    QSettings preferences{folder.filePath("preferences.ini"), QSettings::IniFormat};
    QSettings guestPreferences{folder.filePath("guest.ini"), QSettings::IniFormat};
    net::Dice dice{17};
    bool hostSlides = false; // the host's moves slide on its board
    DialogCloser closer;
    std::unique_ptr<MainWindow> host, guest;
    QString code;
    int checked[2] = {};              // steps read on the host's turn, on the guest's
    const Recorded* saving = nullptr; // the host's stores
};

// A whole game joined, the guest playing by its board's Press actions alone, read as a
// screen reader does.
TEST_F(TwoWindows, AGuestsReaderReadsTheJoinedGameToItsEnd) {
    Recorded net;
    start(net);
    // Before the host's first view: no card, and the sides named as across the network.
    const QStringList names = readerNames();
    EXPECT_EQ(names.value(0).toStdString(),
              shownText(place_label::SlotHidden).arg(1).toStdString());
    EXPECT_TRUE(names.value(place::childOf({target::BattlePile + 1})).startsWith("Player 2"));
    ASSERT_NO_FATAL_FAILURE(expectEachShowsItsSeat());
    const auto localBefore = local.bytes;
    ASSERT_TRUE(playToTheEnd(true));
    EXPECT_GT(std::min(checked[0], checked[1]), 50); // on the host's turn, on the guest's
    EXPECT_EQ(local.bytes, localBefore);             // the network game is saved apart
    for (const auto* w : {&host, &guest})
        EXPECT_EQ((*w)->statistics().figures(Opponent::Network).games, 1u);
}

// Each side in its own language at once: the host here in English, the guest this test
// program run again in German (given TARMIGO_JOIN, "PORT CODE FILE", it writes its moves to
// FILE). The guest's move list at the game's end is the host's, in German.
TEST_F(TwoWindows, AGuestInGermanHearsTheEnglishHostsMovesInGerman) {
    const QString translations =
        findTranslations(QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path());
    const QStringList join = qEnvironmentVariable("TARMIGO_JOIN").split(' ');
    const bool guesting = join.size() == 3;
    const QString movesFile = guesting ? join[2] : folder.filePath("moves");
    Recorded net;
    QProcess other;
    if (guesting) {
        useLanguage(QStringLiteral("de"), translations);
        open(guest, net);
        guest->network().joinAt(*readPeerAddress("127.0.0.1:" + join[0].toStdString()).address,
                                join[1].toStdString());
    } else {
        open(host, net);
        ASSERT_NO_FATAL_FAILURE(hostAGame());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TARMIGO_JOIN",
                   QString::number(host->network().port()) + ' ' + code + ' ' + movesFile);
        other.setProcessEnvironment(env);
        other.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=*AGuestInGerman*"});
    }
    // Each side plays its own seat at random, from its own view, to the game's end.
    MainWindow& w = guesting ? *guest : *host;
    const QDeadlineTimer limit(100'000);
    std::optional<SeatView> seen;
    while (!limit.hasExpired() && (guesting || other.state() != QProcess::NotRunning)) {
        QTest::qWait(1);
        Session* g = guesting ? nullptr : host->network().hostedGame();
        const SeatView* sent = guesting ? guest->network().joinedView() : nullptr;
        seen = sent ? std::optional(*sent) : g ? std::optional(viewFor(*g, 0)) : std::nullopt;
        if (!seen || w.host().presenting() || w.network().presenting() ||
            QApplication::activeModalWidget())
            continue;
        if (guesting && seen->gameOver) break;
        if (g) g->round.setPlayMode(PlayMode::TapOnce);
        tapAtRandom(w, *seen);
    }
    QFile moves(movesFile);
    if (guesting) {
        ASSERT_TRUE(seen && seen->gameOver);
        ASSERT_TRUE(moves.open(QIODevice::WriteOnly));
        moves.write(guest->host().moves().lines().join('\n').toUtf8());
        return;
    }
    ASSERT_TRUE(other.state() == QProcess::NotRunning && other.exitCode() == 0)
        << other.readAllStandardOutput().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host->host().presenting(); }));
    ASSERT_TRUE(moves.open(QIODevice::ReadOnly));
    const QStringList heard = QString::fromUtf8(moves.readAll()).split('\n');
    const QStringList said = host->host().moves().lines();
    useLanguage(QStringLiteral("de"), translations);
    QStringList saidInGerman = host->host().moves().lines();
    useLanguage(QStringLiteral("en"), translations);
    EXPECT_NE(saidInGerman, said);
    if (saidInGerman.size() == heard.size() + 1) saidInGerman.removeFirst(); // dealt unseen
    EXPECT_EQ(heard.join('\n').toStdString(), saidInGerman.join('\n').toStdString());
}

// A third window with the code alone is told the seat is taken and may host or join
// again; the guest plays on. The host frees the seat: the guest is told, and the third
// window's next join is seated.
TEST_F(TwoWindows, TheCodeAloneFindsTheSeatTakenUntilTheHostFreesIt) {
    Recorded net;
    start(net);
    waitForTheGuest();
    QSettings thirdPreferences{folder.filePath("third.ini"), QSettings::IniFormat};
    WindowSetup setup{&local, &local, &thirdPreferences, nullptr, {}};
    setup.networkTransports = [] { return makeTransports(); };
    MainWindow third(setup);
    third.start();
    third.show();
    const auto told = [](MainWindow& w, const char* sentence) {
        return QTest::qWaitFor([&] { return w.network().notice() == shownText(sentence); }, 5000);
    };
    third.network().joinAt(at(), code.toStdString());
    ASSERT_TRUE(told(third, nl::SeatTaken)) << third.network().notice().toStdString();
    EXPECT_TRUE(find<QAction>(&third, "hostNetworkGame")->isEnabled());
    EXPECT_TRUE(find<QAction>(&third, "joinNetworkGame")->isEnabled());
    EXPECT_TRUE(inStep());
    EXPECT_EQ(guest->network().notice().toStdString(), "");

    find<QAction>(host.get(), "freeSeat")->trigger();
    ASSERT_TRUE(told(*guest, nl::SeatFreed));
    third.network().joinAt(at(), code.toStdString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return third.network().joinedView() != nullptr; }, 5000));
}

// The guest's window is killed and rejoins. The window hosting is killed after writes drawn
// at random, one of them between the game's two copies: a new window over the stores as the
// kill left them resumes the game with the same code, the guest rejoins, and the game plays
// to its end with no refusal and no game score lost. Each window shows its seat at once.
TEST_F(TwoWindows, TheHostSurvivesAKillAtAnyWrite) {
    Recorded net;
    start(net);
    const QString first = code;
    guest.reset();
    open(guest, net);
    guest->network().joinAt(at(), code.toStdString());
    ASSERT_NO_FATAL_FAILURE(expectEachShowsItsSeat());
    ASSERT_TRUE(playToTheEnd());
    std::vector<std::size_t> between, resumable;
    for (std::size_t i = 0; i + 1 < net.kept.size(); ++i) {
        if (!net.kept[i].bytes[2] || savedScores(net.kept[i])[0] < 0) continue;
        resumable.push_back(i);
        if (net.kept[i].fileOnly) between.push_back(i);
    }
    ASSERT_FALSE(between.empty());
    std::mt19937 draw(2026);
    for (const std::size_t kill :
         {between[draw() % between.size()], resumable[draw() % resumable.size()],
          resumable[draw() % resumable.size()]}) {
        SCOPED_TRACE(::testing::Message() << "killed after write " << kill);
        Recorded left;
        for (int i = 0; i < 3; ++i) left.copies[i].bytes = net.kept[kill].bytes[i];
        start(left);
        EXPECT_EQ(code, first);
        ASSERT_NO_FATAL_FAILURE(expectEachShowsItsSeat());
        const Session& g = *host->network().hostedGame();
        const std::array<int, 2> before = savedScores(net.kept[kill]);
        EXPECT_EQ((std::array<int, 2>{g.players[0].gameScore, g.players[1].gameScore}), before);
        ASSERT_TRUE(playToTheEnd());
        EXPECT_GE(g.players[0].gameScore, before[0]);
        EXPECT_GE(g.players[1].gameScore, before[1]);
        EXPECT_TRUE(guest->network().joinedView()->gameOver);
        EXPECT_EQ(guest->network().notice().toStdString(), "");
    }
}

// Each side's slides, the guest's at its own pace and by its own options, at zooms 1 to 3:
// at rest each board is the view it shows, a slide moves one card between the boards at
// rest; H asks the host for Expert's card; the notice follows the zoom.
TEST_F(TwoWindows, EachSideSlidesEachMoveAtEachZoomRestsOnItsViewAndTheGuestIsHinted) {
    Recorded net;
    start(net);
    Session& own = guest->shell().game();
    own.round.set(flag::animate, true);
    own.round.animDelay = 1;
    own.round.set(flag::showPlayable, true); // the host's shows none
    waitForTheGuest();
    BoardWatch hosting(*host);
    BoardWatch joined(*guest);
    int moves = 0;
    int hints = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60'000 && !HasFatalFailure()) {
        hosting.look();
        joined.look();
        if (host->presenting() || guest->presenting()) {
            QTest::qWait(1);
            continue;
        }
        // Slides until each side has slid each kind of move, then on to the game's end.
        hostSlides = moves < 400 && (hosting.seen.count() + joined.seen.count() < 16 || moves < 72);
        own.round.set(flag::animate, hostSlides);
        const SeatView sent = *guest->network().joinedView();
        if (inStep() && ++moves % 8 == 0)
            for (MainWindow* w : {host.get(), guest.get()}) {
                w->setZoom(moves / 8 % 3 + 1);
                EXPECT_EQ(w->board().surface().zoom(), moves / 8 % 3 + 1);
            }
        if (inStep() && sent.isOwnTurn() && !sent.handOver && !sent.decisionPending && hints < 3 &&
            dice.below(8) == 0) {
            guest->board().clearMarks();
            guest->showHint();
            for (int i = 0; i < 500 && !guest->board().hintShown(); ++i) QTest::qWait(2);
            // (A move of the guest's still on its way may have passed the turn: no hint then.)
            hints += guest->board().hintShown() && guest->board().note().startsWith("Hint: ");
        }
        if (!move(false)) break;
    }
    for (const BoardWatch* watch : {&hosting, &joined}) {
        EXPECT_TRUE(watch->seen.all()) << watch->seen;
        EXPECT_GT(watch->framesChecked, 10);
    }
    EXPECT_GT(hints, 0);
    guest->network().askRematch();
    for (const int zoom : {2, 1}) {
        guest->setZoom(zoom);
        QTest::qWait(20);
        const auto* notice = guest->board().findChild<QLabel*>("networkNotice");
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(notice->width(), int(guest->board().boardArea().width()));
    }
}

// The miles that ask the guest to extend the race count at once: beside its question the
// guest's headers show the figures the host's do.
TEST_F(TwoWindows, TheGuestsQuestionShowsTheMilesThatAsk) {
    Recorded net;
    start(net);
    waitForTheGuest();
    Session& g = *host->network().hostedGame();
    notation::setPosition(g, "go hand=fghijkl | go miles=675 hand=ffffff | two turn=0");
    g.seats[1].modes = SeatModes{PlayMode::TapOnce, DiscardMode::CardThenDeck};
    host->host().tap(g.layout.slotTap(1).x, g.layout.slotTap(1).y);
    waitForTheGuest();
    QImage shown, sent;
    QtSurface& surface = guest->board().surface();
    const int zoom = surface.zoom();
    const QRect headers(0, 0, surface.image().width(), (Layout::HeaderBottom + 1) * zoom);
    struct Watch : QObject {
        std::function<void(QObject*)> seen;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Show && o->objectName() == "question") seen(o);
            return false;
        }
    } watch;
    watch.seen = [&](QObject*) {
        shown = surface.image().copy(headers);
        sent = painted(*guest, guestsShare()).copy(headers);
    };
    qApp->installEventFilter(&watch);
    guest->network().tap(g.layout.slotTap(2).x, g.layout.slotTap(2).y);
    for (int i = 0; i < 1000 && shown.isNull(); ++i) QTest::qWait(2);
    qApp->removeEventFilter(&watch);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(g.players[1].miles, 700);
    EXPECT_TRUE(shown == sent);
}

} // namespace
} // namespace tarmigo::testing
