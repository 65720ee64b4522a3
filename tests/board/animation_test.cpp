// Card slides: step count and order, the pause, the final draw, the dropped taps.
#include "board/animation.h"
#include "board/layout.h"
#include "board/table.h"
#include "board_fixture.h"

namespace tarmigo::testing {
namespace {

using Kind = DrawOp::Kind;

// Remembers, for each pause, its length and how many surface calls came before it.
class PacedHost : public TestHost {
  public:
    const RecordingSurface* surface = nullptr;
    std::vector<int> delays;
    std::vector<std::size_t> opsBefore;
    void animationStep(int delayMs) override {
        TestHost::animationStep(delayMs);
        delays.push_back(delayMs);
        opsBefore.push_back(surface ? surface->ops().size() : 0);
    }
};

class Slide : public ::testing::Test {
  protected:
    PacedHost host;
    Table g{host, host};
    RecordingSurface surface;

    Slide() {
        g.layout = computeLayout(240, 320);
        g.playerCount = 1;
        g.round.animDelay = 8;
        g.round.set(flag::animate, true);
        g.round.deckPos = 30;
        g.players[0].hand = MidHand;
        g.surface = &surface;
        host.surface = &surface;
    }
    const std::vector<DrawOp>& ops() const { return surface.ops(); }
    const DrawOp& last() const { return ops().back(); }
};

TEST_F(Slide, ExampleHazardSlideTakesThirtyFourPacedSteps) {
    slideBitmap(g, {.bitmap = Stop, .from = {5, 219}, .to = {141, 99}, .delay = 8});
    EXPECT_EQ(host.animationSteps, 34);
    EXPECT_EQ(host.delays, std::vector<int>(34, 8));
    EXPECT_EQ(host.droppedTaps, 1);
    ASSERT_EQ(ops().size(), 34u * 3 + 1);
    // Each step saves the block under the card, draws it, pauses, then restores.
    double y = 219.0;
    for (std::size_t i = 0; i < 34; ++i) {
        const DrawOp& save = ops()[3 * i];
        const DrawOp& card = ops()[3 * i + 1];
        const DrawOp& restore = ops()[3 * i + 2];
        EXPECT_EQ(save.kind, Kind::Save);
        EXPECT_EQ(card.kind, Kind::Bitmap);
        EXPECT_EQ(restore.kind, Kind::Restore);
        EXPECT_EQ(card.rect, save.rect);
        EXPECT_EQ(restore.x(), save.x());
        EXPECT_EQ(restore.y(), save.y());
        EXPECT_EQ(host.opsBefore[i], 3 * i + 2);
        // x moves 4 a step, y about 3.53 up, truncated toward zero.
        EXPECT_EQ(save.x(), 5 + 4 * int(i));
        EXPECT_EQ(save.y(), int(y));
        y -= 120.0 / 136.0 * 4;
    }
    EXPECT_EQ(ops()[3].y(), 215); // 219 - 3.53 truncates to 215
    EXPECT_EQ(last().kind, Kind::Bitmap);
    EXPECT_EQ(last().rect, (Rect{141, 99, 159, 125}));
}

TEST_F(Slide, AnimateOffDrawsOnlyAtTheEndAndKeepsTaps) {
    g.round.set(flag::animate, false);
    slideBitmap(g, {.bitmap = Go, .from = {5, 219}, .to = {141, 99}, .delay = 8});
    ASSERT_EQ(ops().size(), 1u);
    EXPECT_EQ(last().rect, (Rect{141, 99, 159, 125}));
    slideBitmap(g, {.bitmap = CardBackBitmap,
                    .from = {194, 219},
                    .to = {120, 0},
                    .delay = 8,
                    .finalDraw = false});
    EXPECT_EQ(ops().size(), 1u);
    EXPECT_EQ(host.animationSteps, 0);
    EXPECT_EQ(host.droppedTaps, 0);
}

TEST_F(Slide, ShortOrNoMovementHasNoStepsButStillDropsTaps) {
    slideBitmap(g, {.bitmap = Go, .from = {50, 50}, .to = {50, 50}, .delay = 8});
    ASSERT_EQ(ops().size(), 1u);
    EXPECT_EQ(last().rect, (Rect{50, 50, 68, 76}));
    EXPECT_EQ(host.droppedTaps, 1);

    slideBitmap(g, {.bitmap = Go, .from = {50, 50}, .to = {53, 47}, .delay = 8});
    slideBitmap(g,
                {.bitmap = Go, .from = {50, 50}, .to = {47, 51}, .delay = 8, .finalDraw = false});
    EXPECT_EQ(host.animationSteps, 0);
    EXPECT_EQ(ops().size(), 2u);
    EXPECT_EQ(host.droppedTaps, 3);

    // A step of zero would never arrive: treated as no steps.
    slideBitmap(g, {.bitmap = Go, .from = {0, 0}, .to = {100, 0}, .delay = 8, .step = 0});
    EXPECT_EQ(host.animationSteps, 0);
}

TEST_F(Slide, PlayedCardLeavesItsSlotBlankAndUsesThePace) {
    g.statusText = "Tap a card to play it";
    g.round.animDelay = 3;
    g.players[0].setSelectedSlot(4); // Stop
    animatePlayedCard(g, 141, 99);
    ASSERT_GE(ops().size(), 3u);
    EXPECT_EQ(ops()[0].kind, Kind::Fill); // the status line is wiped while the card moves
    EXPECT_EQ(ops()[0].rect, (Rect{0, 251, 240, 294}));
    EXPECT_EQ(g.statusText, "Tap a card to play it");
    EXPECT_EQ(ops()[1].bitmap, EmptySlot);
    EXPECT_EQ(ops()[1].rect, (Rect{74, 219, 92, 245}));
    EXPECT_EQ(ops()[2].kind, Kind::Save);
    EXPECT_EQ(ops()[2].rect.left, 74);
    EXPECT_EQ(ops()[3].bitmap, Stop);
    EXPECT_EQ(last().bitmap, Stop);
    EXPECT_EQ(last().rect, (Rect{141, 99, 159, 125}));
    EXPECT_EQ(host.delays.front(), 3);
    EXPECT_EQ(host.animationSteps, 120 / 4); // the longer axis is y
}

TEST_F(Slide, ComputerCardComesFromTheTopCentre) {
    g.currentPlayer = 1;
    g.players[1].hand = MidHand;
    g.players[1].setSelectedSlot(2); // Distance100
    animatePlayedCard(g, 141 + 19 * 3, 149);
    EXPECT_TRUE(std::none_of(ops().begin(), ops().end(),
                             [](const DrawOp& op) { return op.bitmap == EmptySlot; }));
    EXPECT_EQ(ops()[1].kind, Kind::Save);
    EXPECT_EQ(ops()[1].x(), 120);
    EXPECT_EQ(ops()[1].y(), 0);
    EXPECT_EQ(last().bitmap, Distance100);
}

TEST_F(Slide, HumanDrawSlidesTheFaceIntoTheWaitingSlot) {
    g.deck[30] = Gasoline;
    g.players[0].setDrawSlot(2);
    animateDraw(g);
    EXPECT_EQ(ops()[0].kind, Kind::Save);
    EXPECT_EQ(ops()[0].rect.left, 194);
    EXPECT_EQ(ops()[1].bitmap, Gasoline);
    EXPECT_EQ(last().bitmap, Gasoline);
    EXPECT_EQ(last().rect, (Rect{28, 219, 46, 245}));
    EXPECT_EQ(host.animationSteps, (194 - 28) / 4);
}

TEST_F(Slide, ComputerDrawIsACardBackThatVanishesAtTheTop) {
    g.currentPlayer = 1;
    g.players[1].setDrawSlot(5);
    animateDraw(g);
    EXPECT_EQ(ops()[1].bitmap, CardBackBitmap);
    EXPECT_EQ(last().kind, Kind::Restore);
    EXPECT_EQ(host.animationSteps, 219 / 4);
    EXPECT_EQ(host.droppedTaps, 1);
}

TEST_F(Slide, DrawingTheLastCardsThinsThePile) {
    g.round.set(flag::animate, false);
    g.players[0].setDrawSlot(1);
    const Rect edge{212, 220, 213, 246};
    const Rect bottom{195, 245, 213, 246};
    for (int pos : {98, 99, 100, 101}) {
        surface.clear();
        g.round.deckPos = static_cast<std::uint8_t>(pos);
        animateDraw(g);
        std::vector<DrawOp> fills;
        for (const DrawOp& op : ops())
            if (op.kind == Kind::Fill) fills.push_back(op);
        if (pos == 99 || pos == 100) {
            ASSERT_EQ(fills.size(), 2u) << pos;
            EXPECT_EQ(fills[0].rect, edge);
            EXPECT_EQ(fills[1].rect, bottom);
            EXPECT_EQ(fills[0].pen, Pen::White);
        } else {
            EXPECT_TRUE(fills.empty()) << pos;
        }
        bool blank = !ops().empty() && last().bitmap == EmptySlot && last().x() == 194;
        EXPECT_EQ(blank, pos == 100) << pos;
        if (pos == 101) {
            EXPECT_TRUE(ops().empty());
        }
    }
}

TEST_F(Slide, SilentWithoutASurfaceOrASelectedCard) {
    animatePlayedCard(g, 141, 99); // nothing selected: nothing to slide
    EXPECT_EQ(host.droppedTaps, 0);
    EXPECT_EQ(host.animationSteps, 0);
    surface.clear();
    g.surface = nullptr;
    g.players[0].setSelectedSlot(1);
    g.players[0].setDrawSlot(1);
    slideBitmap(g, {.bitmap = Go, .from = {5, 219}, .to = {141, 99}, .delay = 8});
    animatePlayedCard(g, 141, 99);
    animateDraw(g);
    EXPECT_TRUE(ops().empty());
    EXPECT_EQ(host.animationSteps, 0);
    EXPECT_EQ(host.droppedTaps, 0);
}

} // namespace
} // namespace tarmigo::testing
