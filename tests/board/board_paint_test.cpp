// The full paint and the upper board: grid, mileage bar, cars, headers, status line.
#include "board/draw.h"
#include "board/status_line.h"
#include "board_fixture.h"

namespace tarmigo::testing {
namespace {

using Kind = DrawOp::Kind;

class UpperBoard : public BoardTest {};

TEST_F(UpperBoard, GridLinesSeparateTheRowsAndTheDeck) {
    drawGrid(g);
    EXPECT_TRUE(hasLine({0, 250, 240, 251}, Pen::Black));
    EXPECT_TRUE(hasLine({0, 214, 240, 215}, Pen::Black));
    EXPECT_TRUE(hasLine({171, 214, 172, 250}, Pen::Black));
    for (int x : {0, 136}) {
        EXPECT_TRUE(hasLine({x, 30, x + 104, 31}, Pen::Black));
        EXPECT_TRUE(hasLine({x, 80, x + 104, 81}, Pen::Black));
        EXPECT_TRUE(hasLine({x + 52, 80, x + 53, 130}, Pen::Black));
        EXPECT_TRUE(hasLine({x, 130, x + 104, 131}, Pen::Black));
    }
}

TEST_F(UpperBoard, MileageBarHasTheRaceLineAtSevenHundredMiles) {
    drawMileageBar(g);
    EXPECT_TRUE(hasFill({104, -1, 136, 215}, colors::LightGrey, Pen::Black));
    EXPECT_TRUE(hasLine({104, 60, 136, 61}, Pen::Black));
    EXPECT_TRUE(hasLine({120, 0, 121, 214}, Pen::White));

    // An extension to 1000 miles leaves the line where it was.
    surface.clear();
    g.round.raceLength = 1000;
    drawMileageBar(g);
    EXPECT_TRUE(hasLine({104, 60, 136, 61}, Pen::Black));
}

TEST_F(UpperBoard, CarsClimbTheBarWithTheirMiles) {
    layDistance(0, Distance50, 7);  // 350 miles
    layDistance(1, Distance200, 2); // 400 ...
    layDistance(1, Distance100, 6); // ... + 600 = 1000
    drawCarMarkers(g);
    auto blue = bitmapsWithId(BlueCarBitmap);
    auto red = bitmapsWithId(RedCarBitmap);
    ASSERT_EQ(blue.size(), 1u);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(blue[0].rect, (Rect{106, 130, 118, 145}));
    EXPECT_EQ(red[0].rect, (Rect{122, 0, 134, 15}));

    // At 0 miles the car's fifteen rows end just above the hand row's line.
    surface.clear();
    g.players[0] = PlayerRecord{};
    drawCarMarkers(g);
    EXPECT_EQ(bitmapsWithId(BlueCarBitmap)[0].rect.bottom - 1, g.layout.handY - 1);

    // At 700 miles the car's top sits on the race line.
    surface.clear();
    layDistance(0, Distance100, 7);
    drawCarMarkers(g);
    EXPECT_EQ(bitmapsWithId(BlueCarBitmap)[0].y(), 60);
}

TEST_F(UpperBoard, HeaderOfTheCurrentPlayerIsBlueWithBlueTextCells) {
    g.players[0].handScore = 350;
    g.players[0].gameScore = 2100;
    for (PlayerRecord& p : g.players) {
        p.gamesWon1P = 3;
        p.gamesWon2P = 9;
    }
    drawHeaders(g);
    EXPECT_TRUE(hasFill({0, 0, 104, 30}, colors::Blue, Pen::Null));
    EXPECT_TRUE(hasFill({136, 0, 240, 30}, colors::White, Pen::Null));

    const DrawOp* hand = findText("Hand");
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(hand->rect, (Rect{0, 2, 34, 28}));
    EXPECT_EQ(hand->hAlign, HAlign::Center);
    EXPECT_EQ(hand->vAlign, VAlign::Top);
    EXPECT_EQ(hand->colour, colors::Blue);
    const DrawOp* score = findText("2100");
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->rect, (Rect{34, 2, 69, 28}));
    EXPECT_EQ(score->vAlign, VAlign::Bottom);
    const DrawOp* won = findText("3");
    ASSERT_NE(won, nullptr);
    EXPECT_EQ(won->rect, (Rect{69, 2, 104, 28}));
    EXPECT_EQ(findText("9"), nullptr);
    EXPECT_NE(findText("350"), nullptr);

    // The other player's cells are white, and the background is restored.
    auto texts = opsOf(Kind::Text);
    EXPECT_EQ(texts.back().colour, colors::White);
    EXPECT_EQ(surface.background(), colors::White);

    // Two players: the right header is current and counts two-player games.
    surface.clear();
    g.playerCount = 2;
    g.currentPlayer = 1;
    drawHeaders(g);
    EXPECT_TRUE(hasFill({136, 0, 240, 30}, colors::Blue, Pen::Null));
    EXPECT_NE(findText("9"), nullptr);
    EXPECT_EQ(findText("3"), nullptr);
}

TEST_F(UpperBoard, StatusLineIsClearedAndDrawnUnlessTipsAreHidden) {
    g.statusText = "Tap a card to play it";
    drawStatusLine(g);
    EXPECT_TRUE(hasFill({0, 251, 240, 294}, colors::White, Pen::White));
    const DrawOp* status = findText(g.statusText);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->rect, (Rect{5, 252, 240, 320}));
    EXPECT_EQ(status->hAlign, HAlign::Left);

    surface.clear();
    g.round.set(flag::hideTips, true);
    drawStatusLine(g);
    EXPECT_EQ(count(Kind::Text), 0);
    EXPECT_EQ(count(Kind::Fill), 1);
    EXPECT_EQ(g.statusText, "Tap a card to play it"); // hidden, not forgotten
}

TEST_F(UpperBoard, PaintDrawsGridFirstAndStatusLastOnAWhiteBackground) {
    g.surface = nullptr;
    rolling(0);
    g.statusText = "Undone";
    surface.setBackground(colors::Green);
    surface.clear();
    paintWindow(g, surface);
    EXPECT_EQ(g.surface, nullptr);
    ASSERT_FALSE(ops().empty());
    EXPECT_EQ(ops().front().kind, Kind::Background);
    EXPECT_EQ(ops().front().colour, colors::White);
    EXPECT_EQ(ops()[1].rect, (Rect{0, 250, 240, 251}));
    EXPECT_EQ(ops().back().text, "Undone");
    EXPECT_EQ(surface.background(), colors::White);
    // Every hand card, both piles and both cars are on the picture.
    EXPECT_EQ(bitmapsAt(194, 219), (std::vector<int>{CardBackBitmap}));
    EXPECT_EQ(bitmapsWithId(BlueCarBitmap).size(), 1u);
    EXPECT_EQ(bitmapsAt(5, 219), (std::vector<int>{Distance25}));
}

TEST_F(UpperBoard, NothingIsDrawnOrChangedWithoutASurface) {
    g.surface = nullptr;
    g.players[0].hand = DeadHand;
    g.statusText = "before";
    g.round.deckPos = 99;
    drawBoard(g);
    drawGrid(g);
    drawMileageBar(g);
    drawCarMarkers(g);
    drawMilesAndHeaders(g);
    drawHeaders(g);
    drawLowerBoard(g);
    drawHand(g);
    coverHand(g);
    drawDeckArea(g);
    drawCardsLeft(g);
    drawPlayerPanels(g);
    for (int p = 0; p < 2; ++p) {
        drawPlayerHeader(g, p);
        drawSafetyRow(g, p);
        drawBattlePile(g, p);
        drawSpeedPile(g, p);
        drawDistanceArea(g, p);
    }
    drawTextAt(g, "x", 0, 0, HAlign::Left);
    invertSlotHighlight(g, 1);
    clearStatusLine(g);
    drawStatusLine(g);
    EXPECT_TRUE(ops().empty());
    EXPECT_EQ(g.statusText, "before");
}

} // namespace
} // namespace tarmigo::testing
