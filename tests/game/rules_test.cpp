// The rules as tables: where a card may go and why not, and what each move does.
#include "game/deal.h"
#include "game/hand_end.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The check of a card's kind, for the current player.
int check(const Game& g, Card c) {
    if (isGoOrRemedy(c)) return checkRemedy(g, c);
    if (isHazard(c)) return checkHazard(g, c);
    if (isDistance(c)) return checkDistance(g, c);
    if (c == SpeedLimit) return checkSpeedLimit(g);
    if (c == EndOfLimit) return checkEndOfLimit(g);
    return Legal;
}

struct LegalityRow {
    const char* position;
    const char* cards;
    int answer; // Legal, or the refusal's message
};

// Player 0 to move; where two refusals apply, the row shows which one is given.
constexpr LegalityRow Legality[] = {
    // At the start of a hand: Go, the safeties and a Speed Limit only.
    {"", "ktuvwx", Legal},
    {"", "pqrs", 1210},
    {"", "lmn", 1209},
    {"", "o", 1212},
    {"", "fghij", 1215},
    // Go and the remedies.
    {"go", "k", 1207},
    {"safe=u", "k", 1207},
    {"accident", "k", 1206},
    {"outofgas", "k", 1206},
    {"flat", "k", 1206},
    {"repairs", "k", Legal},
    {"stop", "lmn", 1208},
    {"accident", "mn", 1208},
    {"go", "l", 1209},
    // Hazards need a moving opponent without the matching safety.
    {"| repairs", "p", 1210},
    {"| safe=u", "q", Legal},
    {"| go safe=u", "p", 1211},
    {"| go safe=uvwx", "qrs", 1211},
    {"| stop safe=u", "q", 1210},
    // One Speed Limit at a time, whether the opponent moves or not, never on Right of Way.
    {"| stop", "t", Legal},
    {"| limit", "t", 1213},
    {"| ended", "t", Legal},
    {"| safe=u", "t", 1214},
    {"| limit safe=u", "t", 1213},
    {"ended", "o", 1212},
    // Distance: moving, at most two 200s, 25 and 50 under a limit, the race exactly.
    {"safe=u", "i", Legal},
    {"repairs safe=u", "f", Legal},
    {"stop safe=u", "f", 1215},
    {"repairs safe=v", "f", 1215},
    {"repairs safe=v", "k", Legal},
    {"go miles=400 twos=2", "j", 1216},
    {"go miles=400 twos=2", "i", Legal},
    {"go limit", "fg", Legal},
    {"go limit", "hij", 1217},
    {"go limit miles=650", "h", 1217},
    {"go limit miles=400 twos=2", "j", 1216},
    {"go miles=650", "fg", Legal},
    {"go miles=650", "h", 1218},
    {"go miles=650 | | race=1000", "h", Legal},
    {"go miles=950 | | race=1000", "i", 1218},
};

TEST(Rules, EachCardIsLegalOrRefusedWithItsReason) {
    for (const LegalityRow& row : Legality)
        for (const char* c = row.cards; *c; ++c) {
            RulePosition pos;
            pos.set(row.position);
            EXPECT_EQ(check(pos.g, Card(*c)), row.answer) << row.position << " card " << *c;
        }
}

TEST(Rules, EachCardGoesToThePileOfItsKind) {
    // The pile a card goes to when player 0 and when player 1 lays it: safeties 8/9,
    // battle 10/11, speed 12/13, distance 14/15; hazards and limits to the opponent's.
    constexpr std::tuple<char, int, int> Piles[] = {
        {'j', 14, 15}, {'x', 8, 9},   {'k', 10, 11}, {'n', 10, 11}, {'o', 12, 13},
        {'p', 11, 10}, {'s', 11, 10}, {'t', 13, 12}, {'.', 0, 0},
    };
    for (int p : {0, 1}) {
        RulePosition pos;
        pos.set(p == 0 ? "" : "| | turn=1");
        for (auto [card, first, second] : Piles)
            EXPECT_EQ(autoTarget(pos.g, cardOf(card)), p == 0 ? first : second) << card;
    }
}

TEST(Rules, ASlotIsPlayableWhenItsCardIsLegalAndAnEmptySlotAlways) {
    constexpr std::pair<const char*, const char*> Rows[] = {
        {"hand=.ufpl", "yynnn"},
        {"go hand=.ufpl | go", "yyyyn"},
        {"hand=kot", "yny"},
        {"limit hand=kot | limit", "yyn"},
    };
    for (auto [position, playable] : Rows) {
        RulePosition pos;
        pos.set(position);
        std::string got;
        for (int s = 1; s <= int(std::strlen(playable)); ++s)
            got += isSlotPlayable(pos.g, s) ? 'y' : 'n';
        EXPECT_EQ(got, playable) << position;
    }
}

struct MoveRow {
    const char* before;
    const char* moves; // "play S", "discard S", "lay S on TARGET"; "yes"/"no" answers the question
    MoveResult result; // of the last move (TurnStays where it was no move)
    const char* after;
    const char* effects = ""; // sounds, questions and Scores dialogs, in order
};

// Player 0 moves unless the position says otherwise; the pile is at card 40.
const MoveRow Moves[] = {
    // A discard: the draw pile takes one too, and only a human's cards are seen.
    {"hand=fk", "lay 1 on 16", MoveResult::TurnPasses, "draw=1 hand=.k | | pile=f seen=f"},
    {"hand=k | | one", "discard 1", MoveResult::TurnPasses, "draw=1 | | pile=k seen=k"},
    {"| hand=p | one turn=1", "discard 1", MoveResult::TurnPasses, "| draw=1 | turn=1 pile=p"},
    {"| go hand=i | one turn=1", "play 1", MoveResult::TurnPasses,
     "| go miles=100 score=100 draw=1 | turn=1"},
    // Before the turn's card is drawn only a safety may be laid; once the pile is out,
    // a waiting slot no longer blocks.
    {"go limit draw=6 hand=fkpot | go", "play 1", MoveResult::TurnStays,
     "go limit draw=6 sel=1 hand=fkpot | go"},
    {"go draw=6 hand=fkpot | go", "discard 2", MoveResult::TurnStays,
     "go draw=6 sel=2 hand=fkpot | go"},
    {"go draw=2 hand=f | | deck=101", "play 1", MoveResult::TurnPasses,
     "go miles=25 score=25 draw=1 | | deck=101 seen=f"},
    {"draw=2 hand=x", "play 1", MoveResult::TurnStays, "score=100 safe=x draw=1 | | seen=x"},
    // Targets that are no pile do nothing.
    {"go hand=f", "lay 1 on 0; lay 1 on 18; lay 1 on 19; lay 1 on 20", MoveResult::TurnStays,
     "go sel=1 hand=f"},
    // Each player's End of Limit goes to that player's own speed pile.
    {"limit hand=o", "play 1", MoveResult::TurnPasses, "ended draw=1 | | seen=o"},
    {"| limit hand=o | turn=1", "play 1", MoveResult::TurnPasses, "| ended draw=1 | turn=1 seen=o"},
    // A refused move changes nothing: what follows is the turn layer's to decide.
    {"hand=l | | sounds", "play 1", MoveResult::Refused, "sel=1 hand=l"},
    // A safety of the computer's, with its sound, is not counted as seen.
    {"| hand=v | one sounds turn=1", "play 1", MoveResult::TurnStays,
     "| score=100 safe=v draw=1 | turn=1", "WVS"},
    // The end of a hand and its bonuses: trip 400, no 200 laid 300, shut-out 500,
    // delayed action 300, all four safeties 700 with the safeties' own 400, extension 200.
    {"go miles=600 score=600 hand=i | | deck=101", "play 1 no", MoveResult::TurnPasses,
     "go miles=700 score=2200 game=2200 draw=1 delayed | | over deck=101 seen=i",
     "ask 1601 scores"},
    {"go miles=600 score=600 hand=i safe=uvwx | | deck=101", "play 1 no", MoveResult::TurnPasses,
     "go miles=700 score=2500 game=2500 safe=uvwx draw=1 delayed | | over deck=101 seen=i",
     "ask 1601 scores"},
    {"go miles=500 twos=1 score=500 hand=j | miles=25 score=25 | one", "play 1",
     MoveResult::TurnPasses,
     "go miles=700 twos=2 score=1100 game=1100 draw=1 | miles=25 score=25 game=25 | over seen=j",
     "ask 1601 scores"},
    {"go miles=900 score=900 hand=i | miles=750 score=750 | race=1000", "play 1",
     MoveResult::TurnPasses,
     "go miles=1000 score=1900 game=1900 draw=1 | miles=750 score=750 game=750 | over race=1000 "
     "seen=i",
     "scores"},
    {"go miles=900 score=900 hand=i | miles=700 | race=1000 deck=101", "play 1",
     MoveResult::TurnPasses,
     "go miles=1000 score=2200 game=2200 draw=1 delayed | miles=700 | over deck=101 race=1000 "
     "seen=i",
     "scores"},
    {"| go miles=600 score=600 hand=ik | one turn=1", "play 1", MoveResult::TurnPasses,
     "| go miles=700 score=1900 game=1900 draw=1 hand=.k | over turn=1 winner=1", "scores"},
    // The turn's card: once the pile is out a played slot waits last when sorted; a
    // computer's draw is seen.
    {"go hand=fgkh | | sort deck=101", "play 2; draw", MoveResult::TurnStays,
     "go miles=50 score=50 draw=7 hand=fhk | | deck=101 seen=g"},
    {"| draw=4 hand=fgh.jkl | one turn=1 next=v", "draw", MoveResult::TurnStays,
     "| hand=fghvjkl | turn=1 deck=41 seen=v"},
    // The game ends past 5000 with the higher score; equal scores play another hand.
    {"score=100 game=4900 | score=100 game=4890 | one", "end", MoveResult::TurnStays,
     "score=100 game=5000 won=1/0 | score=100 game=4990 | over gameover", "scores"},
    {"score=100 game=5000 | score=200 game=4900", "end", MoveResult::TurnStays,
     "score=100 game=5100 | score=200 game=5100 | over winner=1", "scores"},
    {"score=200 game=5000 | score=300 game=4800", "end", MoveResult::TurnStays,
     "score=200 game=5200 won=0/1 | score=300 game=5100 | over gameover", "scores"},
    {"won=7 | score=200 game=4900 won=7 | one", "end", MoveResult::TurnStays,
     "won=7/7 | score=200 game=5100 won=8/7 | over gameover winner=1", "scores"},
    {"| score=200 game=4900 | one", "end", MoveResult::TurnStays,
     "| score=200 game=5100 won=1/0 | over gameover winner=1", "scores"},
    {"score=300 | score=300", "end", MoveResult::TurnStays,
     "score=300 game=300 | score=300 game=300 | over", "scores"},
};

TEST(Rules, EachMoveChangesThePositionSo) {
    for (const MoveRow& row : Moves) {
        RulePosition pos;
        pos.set(row.before);
        // The Scores show the hand as it ended: the completing card has left the hand.
        pos.noticed.onScores = [&] { EXPECT_EQ(pos.describe(), row.after) << "at the Scores"; };
        MoveResult result = MoveResult::Refused;
        for (std::string_view move : wordsOf(row.moves, ';')) {
            const auto w = wordsOf(move);
            for (std::size_t i = 2; i < w.size(); ++i)
                if (w[i] == "yes" || w[i] == "no") pos.noticed.answers.push_back(w[i] == "yes");
            const int slot = w.size() > 1 ? numberOf(move, w[1]) : 0;
            if (w[0] == "play") {
                // The card leaves the hand for the pile it goes to.
                const int to = autoTarget(pos.g, pos.own().slot(slot));
                pos.noticed.leftFor = 0;
                result = pos.play(slot);
                EXPECT_TRUE(!pos.noticed.leftFor || pos.noticed.leftFor == to) << move;
            } else if (w[0] == "discard")
                result = pos.discard(slot);
            else if (w[0] == "lay")
                result = pos.playOn(slot, numberOf(move, w.at(3)));
            else if (w[0] == "end") {
                endHand(pos.g);
                result = MoveResult::TurnStays; // it returns no result
            } else if (w[0] == "draw") {
                drawCard(pos.g, DrawSlide::Shown);
                result = MoveResult::TurnStays;
            } else
                badWord(move);
        }
        EXPECT_EQ(pos.describe(), row.after) << row.before << " / " << row.moves;
        EXPECT_EQ(result, row.result) << row.before << " / " << row.moves;
        EXPECT_EQ(pos.noticed.effects, row.effects) << row.before;
    }
}

TEST(Rules, TheNotationReadsBackWhatItWritesAndSetsTheSameGameAgain) {
    for (const MoveRow& row : Moves) {
        RulePosition pos;
        pos.set(row.after);
        EXPECT_EQ(pos.describe(), row.after);
    }
    RulePosition pos;
    EXPECT_THROW(pos.set("go fast"), std::invalid_argument);
    EXPECT_THROW(pos.set("safe=k"), std::invalid_argument);
    // Cards past the end of the deck are refused, not written past it.
    EXPECT_THROW(pos.set("| | deck=100 next=fg"), std::invalid_argument);
    EXPECT_THROW(pos.set("| | drawn=" + std::string(DeckSize + 1, 'f')), std::invalid_argument);
    // describeAll() sets the same game again, options and deck included, at each seat's turn.
    const char* options[] = {"", "one sounds sort animate playable hard notips modes=12",
                             "delay=3 starter=1 race=1000 over gameover winner=1 handover"};
    for (std::uint32_t seed : {1u, 77u, 4000u})
        for (const char* words : options) {
            RulePosition dealt;
            dealt.host.ticks = seed;
            startHand(dealt.g, 2, GameScores::Reset);
            dealt.set(std::string("| | ") + words);
            dealt.g.round.deckPos = std::uint8_t(seed % DeckSize);
            RulePosition again;
            again.set(describeAll(dealt.g));
            EXPECT_EQ(again.g.round, dealt.g.round) << seed << words;
            EXPECT_EQ(again.g.players, dealt.g.players) << seed << words;
            EXPECT_EQ(again.g.deck, dealt.g.deck) << seed << words;
            EXPECT_EQ(again.g.playerCount, dealt.g.playerCount) << seed << words;
            EXPECT_EQ(again.g.currentPlayer, dealt.g.currentPlayer) << seed << words;
        }
}

} // namespace
