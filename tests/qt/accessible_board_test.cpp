// The board as a screen reader reads it: every place named in every language, no name
// ever holding a card the seat may not see, and the events each kind of change raises
// (these need a listening client: run under screen_reader_test.py --wrap, they skip
// elsewhere).
#include "app/shell.h"
#include "app/taps.h"
#include "board/draw.h"
#include "qt/accessible_board.h"
#include "qt/announce.h"
#include "qt/app_paths.h"
#include "qt/board_view.h"
#include "qt/main_window.h"
#include "qt/place_labels.h"
#include "qt/qt_host.h"
#include "qt/translation.h"
#include "support/memory_store.h"
#include "support/position.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace tarmigo::testing {
namespace {

const QString Translations = findTranslations(QStringLiteral(TARMIGO_PROGRAM_FOLDER));

// How often each card is named across the names, the longest card names taken first
// ("Kein Benzin" holds "Benzin").
std::map<int, int> cardsNamed(QStringList names) {
    std::vector<int> cards;
    for (int c = FirstCard; c <= LastCard; ++c) cards.push_back(c);
    std::sort(cards.begin(), cards.end(), [](int a, int b) {
        return shownText(place_label::Cards[a - FirstCard]).size() >
               shownText(place_label::Cards[b - FirstCard]).size();
    });
    std::map<int, int> named;
    for (QString& name : names)
        for (int c : cards) {
            const QString card = shownText(place_label::Cards[c - FirstCard]);
            named[c] += int(name.count(card));
            name.replace(card, QStringLiteral("#"));
        }
    return named;
}

// The cards the shown seat may see, from the game's records: its own hand (not while the
// device is handed over), the discard pile's top and what lies face up on both sides.
std::map<int, int> cardsSeen(const Game& g) {
    std::map<int, int> seen;
    const int seat = shownSeat(g);
    if (!g.has(flag::turnHandover))
        for (Card c : g.players[seat].hand) ++seen[c];
    ++seen[g.round.discardTop];
    for (const PlayerRecord& p : g.players) {
        const int battle = p.battle();
        if ((battle >= BattleGo && battle <= 4) || isHazardBattle(battle)) ++seen[battle + 106];
        if (p.speed() == SpeedLimited) ++seen[SpeedLimit];
        if (p.speed() == SpeedEnded) ++seen[EndOfLimit];
        for (int bit = 0; bit < 4; ++bit)
            if (p.hasSafety(bit)) ++seen[RightOfWay + bit];
    }
    return seen;
}

// The names of the places that show cards (the status line says the program's own
// messages: "Speed Limit: Can only play 25 and 50 miles").
QStringList allNames(const SeatView& view) {
    QStringList names;
    for (int p = 0; p < place::Status; ++p) names << placeName(view, p);
    return names;
}

void expectNothingHidden(const Game& g, const QStringList& names, int step) {
    const std::map<int, int> seen = cardsSeen(g);
    for (const auto& [card, count] : cardsNamed(names)) {
        const auto it = seen.find(card);
        ASSERT_LE(count, it == seen.end() ? 0 : it->second)
            << "step " << step << ": card " << card << " named in "
            << names.join(QStringLiteral(" | ")).toStdString();
    }
}

// Random taps on the hand, the draw pile and the status line over whole games, with the
// questions answered either way: after every tap the tree names only what the seat sees.
TEST(AccessibleBoard, NoNameEverHoldsACardTheSeatMayNotSee) {
    for (int players : {1, 2})
        for (unsigned seed = 1; seed <= 6; ++seed) {
            Position p(players);
            p.host.ticks = seed * 7919;
            std::mt19937 random(seed);
            beginHand(p.g, players, GameScores::Reset);
            int hands = 0;
            for (int step = 0; step < 4000 && hands < 3; ++step) {
                const Layout& l = p.g.layout;
                const int pick = int(random() % 10);
                const Point at = pick < 7    ? l.slotTap(pick + 1)
                                 : pick == 7 ? l.drawPileTap()
                                             : l.statusTap();
                p.tap(at.x, at.y);
                answerPending(p.g, random() % 2 == 0);
                p.g.presentation.clear();
                ASSERT_NO_FATAL_FAILURE(expectNothingHidden(p.g, allNames(tableView(p.g)), step));
                // While the device is handed over, not even the shown seat's own hand.
                if (p.g.has(flag::turnHandover)) {
                    for (const auto& [card, count] : cardsNamed(allNames(tableView(p.g)).mid(0, 7)))
                        ASSERT_EQ(count, 0) << "step " << step << ": card " << card;
                }
                if (p.g.has(flag::handOver)) {
                    ++hands;
                    beginHand(p.g, players,
                              p.g.has(flag::gameOver) ? GameScores::Reset : GameScores::Kept);
                }
            }
        }
}

// Positions that give each kind of name: each place of each is named, in each language.
TEST(AccessibleBoard, EveryPlaceHasANameInEveryLanguage) {
    const char* positions[] = {
        "hand=fghijkl | | one",
        "go limit miles=650 safe=uv cf=u hand=k.qrs.t draw=2 | stop ended safe=w | pile=p",
        "hand=fghijkl | hand=mnopqrs | two turn=1 handover",
        "miles=700 | | one over notips",
    };
    for (const char* language : {"en", "de", "fr"}) {
        useLanguage(QString::fromLatin1(language), Translations);
        for (const char* position : positions) {
            Position p(1);
            p.set(position);
            SeatView view = tableView(p.g);
            view.discardArmed = true;
            for (int place = 0; place < place::Count; ++place)
                EXPECT_FALSE(placeName(view, place).trimmed().isEmpty())
                    << language << " " << position << " place " << place;
        }
    }
    useLanguage(QStringLiteral("en"), Translations);
}

// What the Press action taps, and where: nothing the seat cannot do now.
TEST(AccessibleBoard, PressTapsOnlyWhereATapDoesSomething) {
    struct Row {
        const char* position;
        int place;
        bool pressable;
    } rows[] = {
        {"hand=fghijkl | | one", place::FirstSlot, true},
        {"hand=.ghijkl | | one", place::FirstSlot, false}, // an empty slot
        {"hand=fghijkl | | one turn=1", place::FirstSlot, false},
        {"hand=fghijkl | | one", place::DrawPile, true},
        {"hand=fghijkl | | one", place::DiscardPile, false},
        {"hand=fghijkl | | one", place::FirstPlayer + place::Score, true},
        {"hand=fghijkl | | one", place::FirstPlayer + place::Battle, false},
        {"hand=fghijkl | | one over", place::FirstSlot, false},
        {"hand=fghijkl | | one", place::Status, false},
        {"| hand=fghijkl | two turn=1 handover", place::Status, true},
        {"| hand=fghijkl | two turn=1 handover", place::FirstSlot + 2, false},
    };
    for (const Row& row : rows) {
        Position p(1);
        p.set(row.position);
        const Point at = placeTap(tableView(p.g), p.g.layout, row.place);
        EXPECT_EQ(at.x >= 0, row.pressable) << row.position << " place " << row.place;
        if (at.x < 0) continue;
        const Rect r = placeRect(p.g.layout, row.place);
        EXPECT_TRUE(at.x >= r.left && at.x < r.right && at.y >= r.top && at.y < r.bottom)
            << row.position << " place " << row.place;
    }
}

// ---- Events, with a client listening ---------------------------------------------

struct Heard {
    QAccessible::Event type;
    int place; // -1: not a place of the board
    QString name;
};
std::vector<Heard>* recording = nullptr;

void record(QAccessibleEvent* event) {
    if (!recording) return;
    QAccessibleInterface* iface = event->accessibleInterface();
    QAccessibleInterface* parent = iface ? iface->parent() : nullptr;
    const int place =
        parent && parent->childCount() == place::Count ? parent->indexOfChild(iface) : -1;
    recording->push_back(
        {event->type(), place, iface ? iface->text(QAccessible::Name) : QString()});
}

class AccessibleEvents : public ::testing::Test {
  public:
    void SetUp() override {
        window = std::make_unique<MainWindow>(
            WindowSetup{&fileStore, &secondStore, &preferences, nullptr, {}});
        window->start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // The desktop's bridge connects to its bus once the event loop runs.
        for (int i = 0; i < 300 && !QAccessible::isActive(); ++i) QTest::qWait(10);
        if (!QAccessible::isActive()) GTEST_SKIP() << "no accessibility client listens";
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->board().setFocus();
        QAccessible::queryAccessibleInterface(&window->board()); // the client asks for the tree
        QAccessible::installUpdateHandler(record);
        recording = &heard;
    }
    void TearDown() override {
        recording = nullptr;
        QAccessible::installUpdateHandler(nullptr);
    }
    Session& game() { return window->shell().game(); }
    void set(const char* position) {
        startPosition(game());
        setPosition(game(), position);
        game().discardArmed = false;
        window->host().repaintBoard();
        settle();
        heard.clear();
    }
    void settle() {
        for (int i = 0; i < 3000 && window->host().presenting(); ++i) QTest::qWait(1);
        QCoreApplication::processEvents();
    }
    std::vector<int> changed(QAccessible::Event type) const {
        std::vector<int> places;
        for (const Heard& h : heard)
            if (h.type == type && h.place >= 0) places.push_back(h.place);
        return places;
    }

    MemoryStore fileStore, secondStore;
    QTemporaryDir folder;
    QSettings preferences{folder.filePath("desktop.ini"), QSettings::IniFormat};
    std::unique_ptr<MainWindow> window;
    std::vector<Heard> heard;
};

bool holds(const std::vector<int>& places, int place) {
    return std::find(places.begin(), places.end(), place) != places.end();
}

// Each kind of change and the places whose names it must change.
TEST_F(AccessibleEvents, EachKindOfChangeRaisesTheNameChangesOfItsPlaces) {
    struct Row {
        const char* what;
        const char* position;
        std::function<void(AccessibleEvents&)> act;
        std::vector<int> places;
    } rows[] = {
        {"the discard armed",
         "hand=fghijkl | | one",
         [](AccessibleEvents& t) {
             const Point at = t.game().layout.drawPileTap();
             t.window->host().tap(at.x, at.y);
         },
         {place::DrawPile, place::Status}},
        {"a Go played, the computer's answer and a card drawn",
         "hand=kfghijl | hand=ffffff | one",
         [](AccessibleEvents& t) {
             const Point at = t.game().layout.slotTap(1);
             t.window->host().tap(at.x, at.y);
         },
         {place::FirstSlot, place::FirstPlayer + place::Battle, place::DrawPile}},
        {"a refused move, tapped twice to hear why",
         "hand=fghijkl | | one",
         [](AccessibleEvents& t) {
             const Point at = t.game().layout.slotTap(1);
             t.window->host().tap(at.x, at.y);
             t.settle();
             t.window->host().tap(at.x, at.y);
         },
         {place::Status}},
    };
    for (const Row& row : rows) {
        set(row.position);
        row.act(*this);
        settle();
        for (int place : row.places)
            EXPECT_TRUE(holds(changed(QAccessible::NameChanged), place))
                << row.what << " " << place << ": "
                << placeName(tableView(game()), place).toStdString() << " " << game().status.id;
        // Told once: a second look raises nothing.
        heard.clear();
        boardChanged(&window->board());
        EXPECT_TRUE(changed(QAccessible::NameChanged).empty()) << row.what;
    }
}

TEST_F(AccessibleEvents, AnAnnouncementIsTheStatusLinesNameUntilTheStatusChanges) {
    set("hand=fghijkl | | one");
    announce(&window->board(), QStringLiteral("Computer plays Stop on you"));
    ASSERT_EQ(changed(QAccessible::NameChanged), std::vector<int>{place::Status});
    EXPECT_EQ(heard.back().name, QStringLiteral("Computer plays Stop on you"));
    const Point at = game().layout.drawPileTap();
    window->host().tap(at.x, at.y); // the status line now says to tap a card to discard
    settle();
    EXPECT_TRUE(holds(changed(QAccessible::NameChanged), place::Status));
    EXPECT_NE(heard.back().name, QStringLiteral("Computer plays Stop on you"));
}

TEST_F(AccessibleEvents, TheFocusedPlaceIsTheReadersFocus) {
    set("hand=fghijkl | | one");
    boardFocusMoved(&window->board(), place::DiscardPile);
    EXPECT_EQ(changed(QAccessible::Focus), std::vector<int>{place::DiscardPile});
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&window->board());
    ASSERT_NE(board->focusChild(), nullptr);
    EXPECT_TRUE(board->focusChild()->state().focused);
    EXPECT_EQ(board->indexOfChild(board->focusChild()), place::DiscardPile);
}

} // namespace
} // namespace tarmigo::testing
