#include "board/draw.h"
#include "board_fixture.h"
#include "game/moves.h"
#include "game/targets.h"

namespace tarmigo::testing {
namespace {

// Each destination of a move: the slide must end where the paint then draws the card.
class SlideEndTest : public BoardTest {};

TEST_F(SlideEndTest, EverySlideEndsWhereThePaintDrawsTheCard) {
    struct Case {
        const char* name;
        Card card;
        int target;
        int ownBattle;
        int ownSpeed;
        int distanceBefore; // cards already in the card's distance column
    };
    const Case cases[] = {
        {"discard", Stop, target::DiscardPile, BattleStop, SpeedNone, 0},
        {"remedy", Go, target::BattlePile, BattleStop, SpeedNone, 0},
        {"hazard", Accident, target::BattlePile + 1, BattleGo, SpeedNone, 0},
        {"speed limit", SpeedLimit, target::SpeedPile + 1, BattleGo, SpeedNone, 0},
        {"end of limit", EndOfLimit, target::SpeedPile, BattleGo, SpeedLimited, 0},
        {"first distance", Distance50, target::DistanceArea, BattleGo, SpeedNone, 0},
        {"third distance", Distance100, target::DistanceArea, BattleGo, SpeedNone, 2},
        {"right of way", RightOfWay, target::SafetyArea, BattleEmpty, SpeedNone, 0},
        {"driving ace", DrivingAce, target::SafetyArea, BattleGo, SpeedNone, 0},
        {"extra tank", ExtraTank, target::SafetyArea, BattleGo, SpeedNone, 0},
        {"puncture proof", PunctureProof, target::SafetyArea, BattleGo, SpeedNone, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.players = {};
        g.players[0].hand = MidHand;
        g.players[0].slot(1) = c.card;
        g.players[0].setBattle(c.ownBattle);
        g.players[0].setSpeed(c.ownSpeed);
        g.players[1].setBattle(BattleGo);
        if (isDistance(c.card)) layDistance(0, c.card, c.distanceBefore);
        g.players[0].setSelectedSlot(1);
        surface.clear();
        ASSERT_NE(dispatchMove(g, c.target), MoveRefused);
        const std::vector<DrawOp> slid = bitmapsWithId(c.card);
        ASSERT_FALSE(slid.empty());
        const DrawOp end = slid.back();

        surface.clear();
        paintWindow(g, surface);
        const std::vector<int> there = bitmapsAt(end.x(), end.y());
        EXPECT_NE(std::find(there.begin(), there.end(), int(c.card)), there.end())
            << "slide ends at " << end.x() << "," << end.y();
    }
}

} // namespace
} // namespace tarmigo::testing
