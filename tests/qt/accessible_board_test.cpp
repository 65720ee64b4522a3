// The board as a screen reader reads it: where Press taps, and the events each kind of change
// raises (these need a listening client: screen_reader_test.py --wrap gives them one;
// elsewhere they skip). The names are made from a seat's view alone, so that they hold
// only what the seat may see (seat_share_test.cpp).
#include "app/shell.h"
#include "app/taps.h"
#include "board/draw.h"
#include "qt/board/accessible_board.h"
#include "qt/board/board_view.h"
#include "qt/main_window.h"
#include "qt/qt_host.h"
#include "support/memory_store.h"
#include "support/position.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <algorithm>

namespace tarmigo::testing {
namespace {

// The Press action taps where a tap does something now, inside the place.
TEST(AccessibleBoard, PressTapsOnlyWhereATapDoesSomething) {
    const struct {
        const char* position;
        Place place;
        bool pressable;
    } rows[] = {
        {"hand=fghijkl | | one", {1}, true},
        {"hand=.ghijkl | | one", {1}, false},
        {"hand=fghijkl | | one turn=1", {1}, false},
        {"hand=fghijkl | | one over", {1}, false},
        {"hand=fghijkl | | one", {target::DrawPile}, true},
        {"hand=fghijkl | | one", {target::DiscardPile}, false},
        {"hand=fghijkl | | one", {target::ScorePanel, 0}, true},
        {"hand=fghijkl | | one", {target::SafetyArea, 0}, false},
        {"hand=fghijkl | | one", {target::StatusLine}, false},
        {"| hand=fghijkl | two turn=1 handover", {target::StatusLine}, true},
        {"| hand=fghijkl | two turn=1 handover", {3}, false},
    };
    for (const auto& row : rows) {
        Position p(1);
        const Point at = placeTap(tableView(p.set(row.position).g), p.g.layout, row.place);
        const Rect r = place::box(p.g.layout, row.place);
        EXPECT_EQ(at.x >= 0, row.pressable) << row.position << " " << row.place.target;
        EXPECT_TRUE(at.x < 0 ||
                    (at.x >= r.left && at.x < r.right && at.y >= r.top && at.y < r.bottom));
    }
}

// ---- Events, with a client listening -------------------------------------------------

// The events of the board's places.
std::vector<std::pair<QAccessible::Event, int>> heard;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    QAccessibleInterface* parent = iface ? iface->parent() : nullptr;
    if (parent && parent->childCount() == place::Accessible)
        heard.emplace_back(event->type(), parent->indexOfChild(iface));
}

class AccessibleEvents : public ::testing::Test {
  public:
    void SetUp() override {
        window = std::make_unique<MainWindow>(WindowSetup{&store, &store, &settings, nullptr, {}});
        window->start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // The desktop's bridge connects to its bus once the event loop runs; under --wrap
        // a client must be there.
        for (int i = 0; i < 300 && !QAccessible::isActive(); ++i) QTest::qWait(10);
        if (!QAccessible::isActive() && qEnvironmentVariableIsSet("TARMIGO_A11Y_INNER"))
            FAIL() << "the accessibility bus is there, yet Qt's bridge did not start";
        if (!QAccessible::isActive()) GTEST_SKIP() << "no accessibility client listens";
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->board().setFocus();
        QAccessible::queryAccessibleInterface(&window->board()); // the client asks
        QAccessible::installUpdateHandler(record);
    }
    void TearDown() override { QAccessible::installUpdateHandler(nullptr); }
    void set(const char* position) {
        startPosition(window->shell().game());
        setPosition(window->shell().game(), position);
        window->shell().game().seats[0].discardArmed = false;
        window->host().repaintBoard();
        settle();
        heard.clear();
    }
    void settle() {
        for (int i = 0; i < 3000 && window->host().presenting(); ++i) QTest::qWait(1);
        QTest::qWait(1); // the changes are told once the event that made them is handled
    }
    void tap(Point at) {
        window->host().tap(at.x, at.y);
        settle();
    }
    bool raised(QAccessible::Event type, int place) const {
        return std::find(heard.begin(), heard.end(), std::pair{type, place}) != heard.end();
    }
    MemoryStore store;
    QTemporaryDir folder;
    QSettings settings{folder.filePath("desktop.ini"), QSettings::IniFormat};
    std::unique_ptr<MainWindow> window;
};

TEST_F(AccessibleEvents, EachKindOfChangeRaisesTheNameChangesOfItsPlaces) {
    const Layout l = window->shell().game().layout;
    const struct {
        const char* position;
        std::vector<Point> taps;
        std::vector<Place> places;
    } rows[] = {
        // The discard armed.
        {"hand=fghijkl | | one", {l.drawPileTap()}, {{target::DrawPile}, {target::StatusLine}}},
        // A Go laid, a card drawn, the computer's answer.
        {"hand=kfghijl | hand=ffffff | one",
         {l.slotTap(1)},
         {{1}, {target::BattlePile, 0}, {target::DrawPile}}},
        // A refused move, tapped twice to hear why.
        {"hand=fghijkl | | one", {l.slotTap(1), l.slotTap(1)}, {{target::StatusLine}}},
    };
    for (const auto& row : rows) {
        set(row.position);
        for (Point at : row.taps) tap(at);
        for (Place place : row.places)
            EXPECT_TRUE(raised(QAccessible::NameChanged, place::childOf(place)))
                << row.position << " " << place.target;
        heard.clear();
        boardChanged(&window->board()); // told once: a second look raises nothing
        settle();
        EXPECT_TRUE(heard.empty()) << row.position;
    }
}

TEST_F(AccessibleEvents, TheFocusedPlaceIsTheReadersFocus) {
    set("hand=fghijkl | | one");
    const int discard = place::childOf({target::DiscardPile});
    boardFocusMoved(&window->board(), target::DiscardPile);
    EXPECT_EQ(heard, (decltype(heard){{QAccessible::Focus, discard}}));
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&window->board());
    ASSERT_NE(board->focusChild(), nullptr);
    EXPECT_TRUE(board->focusChild()->state().focused);
    EXPECT_EQ(board->indexOfChild(board->focusChild()), discard);
}
} // namespace
} // namespace tarmigo::testing
