// Self-play: the computer on both sides plays hands to a sound end; a seed replays them.
#include "app/self_play.h"
#include "game/targets.h"
#include "support/invariants.h"

#include <gtest/gtest.h>

using namespace tarmigo;

namespace {

struct SelfPlay {
    SelfPlayHost host;
    Session g{host, host};
    explicit SelfPlay(std::uint64_t seed) : host(seed) { prepareSelfPlay(g); }
};

void expectSoundEnd(const Game& g, int hand) {
    EXPECT_EQ(tarmigo::testing::brokenInvariant(g), "") << "hand " << hand;
    EXPECT_TRUE(g.has(flag::handOver)) << "hand " << hand;
    EXPECT_EQ(g.round.raceLength, StandardRace) << "the extension is always declined";
    // A hand without a finished trip ends only once the draw pile is exhausted.
    const bool tripCompleted =
        g.players[0].miles == StandardRace || g.players[1].miles == StandardRace;
    EXPECT_TRUE(tripCompleted || g.deckExhausted()) << "hand " << hand;
}

// The seen counts stay the computer's, though player 0 chooses from a memory of its own.
void expectComputersMemory(const Game& g, int hand) {
    std::array<int, CardKinds> known{};
    for (Card c : g.players[1].hand)
        if (isCard(c)) ++known[c - FirstCard];
    for (int d = 0; d < 5; ++d) known[Distance25 + d - FirstCard] += g.players[0].distancePlayed[d];
    for (int b = 0; b < 4; ++b)
        if (g.players[0].hasSafety(b)) ++known[RightOfWay + b - FirstCard];
    for (int k = 0; k < CardKinds; ++k)
        EXPECT_GE(g.round.seenCount[k], known[k])
            << "card " << char(FirstCard + k) << ", hand " << hand;
}

} // namespace

TEST(SelfPlay, EveryLevelPairingPlaysHandsToASoundEnd) {
    constexpr Level E = Level::Easy, H = Level::Hard;
    for (Levels levels : {Levels{H, E}, Levels{E, H}, Levels{H, H}, Levels{E, E}}) {
        SelfPlay s(static_cast<int>(levels[0]) * 2 + static_cast<int>(levels[1]));
        for (int hand = 0; hand < 60; ++hand) {
            ASSERT_TRUE(playSelfPlayHand(s.g, levels, hand == 0 || s.g.has(flag::gameOver)));
            expectSoundEnd(s.g, hand);
            expectComputersMemory(s.g, hand);
        }
    }
}

// A seed replays the same hands, Expert on either side against Hard; another deals others.
TEST(SelfPlay, ExpertAgainstHardPlaysHandsToASoundEndAndTheSameSeedRepeats) {
    SelfPlay a(7), b(7), c(8);
    for (int hand = 0; hand < 4; ++hand) {
        for (SelfPlay* s : {&a, &b, &c})
            ASSERT_TRUE(playSelfPlayHand(s->g,
                                         hand % 2 == 0 ? Levels{Level::Expert, Level::Hard}
                                                       : Levels{Level::Hard, Level::Expert},
                                         hand == 0));
        expectSoundEnd(a.g, hand);
        expectComputersMemory(a.g, hand);
        EXPECT_EQ(a.g.players, b.g.players);
        EXPECT_EQ(a.g.round, b.g.round);
        EXPECT_EQ(a.g.deck, b.g.deck);
    }
    EXPECT_NE(a.g.deck, c.g.deck);
}
