// Taps as a table: what a run of taps does to the position, the status line, the armed
// discard, the Undo button and the Scores dialog, under each play and discard mode.
#include "app/save_state.h"
#include "game/undo.h"
#include "support/position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// Each tap: a hand slot "1".."7", "deck", "panel" (the score panel), "board", "line"
// (the status line), "X,Y", or "undo" (the Undo button) and "sort" (sorting turned on
// in the Options).
std::string outcome(Position& pos, std::string_view taps) {
    for (std::string_view t : wordsOf(taps)) {
        if (t == "deck")
            pos.tapDeck();
        else if (t == "panel")
            pos.tapScorePanel();
        else if (t == "board")
            pos.tapBoard();
        else if (t == "line")
            pos.tapStatusLine();
        else if (t == "undo")
            undoLastMove(pos.g);
        else if (t == "sort")
            pos.option(flag::sortHand, 1);
        else if (const std::size_t comma = t.find(','); comma != std::string_view::npos)
            pos.tap(numberOf(t, t.substr(0, comma)), numberOf(t, t.substr(comma + 1)));
        else
            pos.tapSlot(numberOf(t, t));
    }
    std::string out = pos.describe() + " / \"" + pos.status() + "\"";
    if (pos.g.discardArmed) out += " armed";
    if (pos.host.undoEnabled) out += " undo";
    if (pos.host.scoresDialogs) out += " scores=" + std::to_string(pos.host.scoresDialogs);
    return out;
}

struct TapRow {
    const char* before;
    const char* taps;
    const char* after;
};

const TapRow Taps[] = {
    // Tap modes: PD in "modes=PD" is the play mode (0 once, 1 twice) and the discard
    // mode (0 card then deck, 1 card twice, 2 card once).
    {"hand=f.g", "2", "hand=f.g / \"\""},
    {"hand=klfghij | hand=fghijkl", "deck 1",
     "draw=1 hand=.lfghij | hand=fghijkl | handover turn=1 pile=k seen=k / \"End of Turn - Player "
     "2 tap to here to continue\" undo"},
    {"hand=klfghij | hand=fghijkl | modes=12", "deck 1",
     "draw=1 hand=.lfghij | hand=fghijkl | handover turn=1 pile=k seen=k / \"End of Turn - Player "
     "2 tap to here to continue\" undo"},
    {"hand=kl", "deck deck 1",
     "go draw=1 hand=.l | | handover turn=1 seen=k / \"End of Turn - Player 2 tap to here to "
     "continue\" undo"},
    {"hand=kl | | modes=10", "1", "sel=1 mark=1 hand=kl / \"\""},
    {"hand=kl | | modes=10", "1 1",
     "go draw=1 hand=.l | | handover turn=1 seen=k / \"End of Turn - Player 2 tap to here to "
     "continue\" undo"},
    {"hand=kl | | modes=10", "1 2", "sel=2 mark=2 hand=kl / \"\""},
    {"hand=lk", "1 2",
     "go draw=2 hand=l | | handover turn=1 seen=k / \"End of Turn - Player 2 tap to here to "
     "continue\" undo"},
    {"hand=lkfghij | hand=fghijkl", "1",
     "sel=1 mark=1 hand=lkfghij | hand=fghijkl / \"Play remedy only when under hazard\""},
    {"hand=lkfghij | hand=fghijkl", "1 1",
     "sel=1 mark=1 hand=lkfghij | hand=fghijkl / \"Tap the deck to discard this card\""},
    {"hand=lkfghij | hand=fghijkl", "1 1 1",
     "sel=1 mark=1 hand=lkfghij | hand=fghijkl / \"Play remedy only when under hazard\""},
    {"hand=lkfghij | hand=fghijkl", "1 1 deck",
     "draw=1 hand=.kfghij | hand=fghijkl | handover turn=1 pile=l seen=l / \"End of Turn - Player "
     "2 tap to here to continue\" undo"},
    {"hand=lkfghij | hand=fghijkl | modes=02", "1",
     "draw=1 hand=.kfghij | hand=fghijkl | handover turn=1 pile=l seen=l / \"End of Turn - Player "
     "2 tap to here to continue\" undo"},
    {"hand=lkfghij | hand=fghijkl | modes=01", "1",
     "sel=1 mark=1 hand=lkfghij | hand=fghijkl / \"Play remedy only when under hazard\""},
    {"hand=lkfghij | hand=fghijkl | modes=01", "1 1",
     "draw=1 hand=.kfghij | hand=fghijkl | handover turn=1 pile=l seen=l / \"End of Turn - Player "
     "2 tap to here to continue\" undo"},
    {"hand=lkfghij | hand=fghijkl | modes=00", "1 1 1 1",
     "sel=1 mark=1 hand=lkfghij | hand=fghijkl / \"Tap the deck to discard this card\""},
    {"hand=lkfghij | hand=fghijkl | modes=12", "1",
     "sel=1 mark=1 hand=lkfghij | hand=fghijkl / \"\""},
    {"hand=lkfghij | hand=fghijkl | modes=12", "1 1",
     "draw=1 hand=.kfghij | hand=fghijkl | handover turn=1 pile=l seen=l / \"End of Turn - Player "
     "2 tap to here to continue\" undo"},
    {"hand=lkfghij | hand=fghijkl | modes=11", "1 1",
     "draw=1 hand=.kfghij | hand=fghijkl | handover turn=1 pile=l seen=l / \"End of Turn - Player "
     "2 tap to here to continue\" undo"},
    {"hand=lkfghij | hand=fghijkl | modes=10", "1 1 1 1",
     "sel=1 mark=1 hand=lkfghij | hand=fghijkl / \"Tap the deck to discard this card\""},
    {"sel=2 hand=klfghij | | modes=11", "deck",
     "draw=2 hand=k.fghij | | handover turn=1 pile=l seen=l / \"End of Turn - Player 2 tap to here "
     "to continue\" undo"},
    {"hand=kl", "panel", "hand=kl / \"Tap a card to play it\" scores=1"},
    {"hand=kl | | modes=10", "1 panel", "sel=1 mark=1 hand=kl / \"\" scores=1"},
    {"hand=kl", "board", "hand=kl / \"Tap a card to play it\""},
    {"hand=kl | | modes=10", "1 board line 120,100", "sel=1 mark=1 hand=kl / \"\""},
    {"hand=k.f..g. | hand=k | modes=10 deck=101", "6 sort board deck",
     "hand=fgk | hand=k | deck=101 / \"\""},
    // The turn passes: the two-player hand-over, which only a tap on the status line
    // or below ends, and the computer's turn.
    {"go hand=fghijkl | hand=fghijk. draw=7 | next=u", "1",
     "go miles=25 score=25 draw=1 hand=.ghijkl | draw=7 hand=fghijk | handover turn=1 seen=f / "
     "\"End of Turn - Player 2 tap to here to continue\" undo"},
    {"go hand=fghijkl | hand=fghijk. draw=7 | next=u", "1 panel 30,230 200,230 20,249 120,-5",
     "go miles=25 score=25 draw=1 hand=.ghijkl | draw=7 hand=fghijk | handover turn=1 seen=f / "
     "\"End of Turn - Player 2 tap to here to continue\" undo"},
    {"go hand=fghijkl | hand=fghijk. draw=7 | next=u", "1 20,250",
     "go miles=25 score=25 draw=1 hand=.ghijkl | hand=fghijku | turn=1 deck=41 seen=f / \"Tap a "
     "card to play it\""},
    {"go hand=fghijkl | hand=fghijk. draw=7 | next=u", "1 -3000,32767",
     "go miles=25 score=25 draw=1 hand=.ghijkl | hand=fghijku | turn=1 deck=41 seen=f / \"Tap a "
     "card to play it\""},
    {"go hand=fghijkl | hand=fghijk. draw=7 | notips next=u", "1 20,249",
     "go miles=25 score=25 draw=1 hand=.ghijkl | draw=7 hand=fghijk | handover notips turn=1 "
     "seen=f / \"\" undo"},
    {"go hand=fghijkl | hand=fghijk. draw=7 | notips next=u", "1 line",
     "go miles=25 score=25 draw=1 hand=.ghijkl | hand=fghijku | notips turn=1 deck=41 seen=f / "
     "\"\""},
    {"hand=xghijkl | hand=fghijkl | next=k", "1",
     "score=100 safe=x hand=kghijkl | hand=fghijkl | deck=41 seen=x / \"Tap a card to play it\" "
     "undo"},
    {"hand=xghijkl | hand=fghijkl | next=k", "1 1",
     "go score=100 safe=x draw=1 hand=.ghijkl | hand=fghijkl | handover turn=1 deck=41 seen=kx / "
     "\"End of Turn - Player 2 tap to here to continue\" undo"},
    {"hand=l | hand=f", "1",
     "sel=1 mark=1 hand=l | hand=f / \"Play remedy only when under hazard\""},
    {"go hand=fghijkl | go hand=ghijkl. draw=7 | one next=mu", "1",
     "go miles=25 score=25 hand=ughijkl | go draw=1 hand=.hijklm | deck=42 pile=g seen=fm / \"Tap "
     "a card to play it\" undo"},
    {"go hand=qghijkl | go hand=vffffff | one hard next=hh", "1",
     "go hazard=2 hand=hghijkl | go miles=75 laid=0.0.1.0.0 score=475 safe=v cf=v draw=1 "
     "hand=.ffffff | hard deck=42 seen=hq / \"Tap a card to play it\" undo"},
    {"hand=kghijkl | go hand=iiiiiii | one hard turn=1", "1",
     "hand=kghijkl | go miles=100 score=100 draw=1 hand=.iiiiii | hard / \"\""},
    {"go hand=f | | one turn=1 deck=101", "0,0",
     "go hand=f | | deck=101 / \"Tap a card to play it\""},
    {"go hand=f | hand=uvwx | one turn=1 deck=101", "0,0",
     "go hand=f | score=400 safe=uvwx draw=4 | deck=101 / \"Tap a card to play it\""},
    // A restored computer's turn with a card to draw draws it; the human's discard
    // is not armed.
    {"hand=fgklmno | hand=pg.lmno draw=3 | one turn=1", "0,0",
     "hand=fgklmno | draw=2 hand=p.ilmno | deck=41 pile=g seen=i / \"\""},
    // The end of a hand inside a tap; after it, taps only save and repaint.
    {"go miles=600 hand=i | go hand=iiiiiii | one", "1",
     "go miles=700 score=1300 game=1300 draw=1 | go hand=iiiiiii | over seen=i / \"Tap New to play "
     "another hand\" undo scores=1"},
    {"go miles=600 hand=i", "1",
     "go miles=700 score=1300 game=1300 draw=1 | | over seen=i / \"Tap New to play another hand\" "
     "undo scores=1"},
    {"go miles=600 hand=i | | notips", "1",
     "go miles=700 score=1300 game=1300 draw=1 | | over notips seen=i / \"\" undo scores=1"},
    // A blocked hand is left with the player of the greater hand score.
    {"hand=f score=300 | hand=g score=50 | one deck=101", "deck",
     "score=300 game=300 hand=f | score=50 game=50 hand=g | over deck=101 / \"Tap New to play "
     "another hand\" armed scores=1"},
    {"hand=f | hand=g score=50 | one deck=101", "deck 1",
     "hand=f | score=50 game=50 hand=g | over turn=1 deck=101 winner=1 / \"Tap New to play another "
     "hand\" armed scores=1"},
    {"go hand=fgh | | over", "1 deck panel", "go hand=fgh | | over / \"\""},
    // Refusals name their reason.
    {"go hand=k", "1", "go sel=1 mark=1 hand=k / \"You are already moving\""},
    {"hand=p", "1", "sel=1 mark=1 hand=p / \"Cannot play hazard when opponent is not moving\""},
    {"hand=o", "1", "sel=1 mark=1 hand=o / \"No speed limit to end\""},
    {"hand=n", "1", "sel=1 mark=1 hand=n / \"Play remedy only when under hazard\""},
    {"hand=f", "1", "sel=1 mark=1 hand=f / \"Cannot play mileage when not moving\""},
    {"go miles=650 hand=h", "1",
     "go miles=650 sel=1 mark=1 hand=h / \"That would exceed the 700 mile race\""},
    {"go miles=950 hand=i | | race=1000", "1",
     "go miles=950 sel=1 mark=1 hand=i | | race=1000 / \"That would exceed the 1000 mile race\""},
    {"hand=f | | modes=02", "1",
     "draw=1 | | handover turn=1 pile=f seen=f / \"End of Turn - Player 2 tap to here to "
     "continue\" undo"},
    // Undo takes back the human's move and all that followed, until the next player
    // has taken over.
    {"go hand=fg | | modes=10", "1 1 undo", "go hand=fg / \"Undone\""},
    {"go hand=fghijkl | hand=fghijk. draw=7", "1 undo",
     "go hand=fghijkl | draw=7 hand=fghijk / \"Undone\""},
    {"go hand=fghijkl | hand=fghijk. draw=7", "1 line",
     "go miles=25 score=25 draw=1 hand=.ghijkl | hand=fghijki | turn=1 deck=41 seen=f / \"Tap a "
     "card to play it\""},
    {"go miles=600 score=600 game=4500 won=2 hand=i | miles=100 score=100 game=2000 | one",
     "1 undo",
     "go miles=600 score=600 game=4500 won=2/2 hand=i | miles=100 score=100 game=2000 / \"Undone\" "
     "scores=1"},
    {"go hand=pfghijk | go hand=fghijk. draw=7 | one next=ilmnop seen=f", "1 undo",
     "go hand=pfghijk | go draw=7 hand=fghijk | seen=f / \"Undone\""},
};

} // namespace

TEST(Taps, EachRunOfTapsEndsSo) {
    for (const TapRow& row : Taps) {
        Position pos;
        pos.set(row.before);
        const std::string got = outcome(pos, row.taps);
        EXPECT_EQ(got, row.after) << row.before << " / " << row.taps;
    }
}

// Where a tap lands, on the 240 x 320 screen: hand slots 1..7 (each with the column
// to its right), 16 the draw pile (the whole deck area), 18 the score panel strip,
// 19 the board, 20 the status line, 0 nothing. Positions outside the window follow
// the same rules.
// How often a run of taps asks for the status line to be repainted: each message a tap
// shows is put on the screen at once, and each of the computer's attempts at a move shows
// its message (twenty attempts at most, one a safety laid in between).
TEST(Taps, EachMessageIsRepaintedAtOnce) {
    constexpr std::tuple<const char*, const char*, int> Rows[] = {
        {"hand=l", "board", 1},
        {"hand=l", "deck deck", 2},
        {"go hand=f | | one turn=1 deck=101", "0,0", 20},
        {"go hand=f | hand=uvwx | one turn=1 deck=101", "0,0", 16},
    };
    for (auto [position, taps, repaints] : Rows) {
        Position pos;
        pos.set(position);
        outcome(pos, taps);
        EXPECT_EQ(std::count(pos.host.invalidated.begin(), pos.host.invalidated.end(),
                             pos.g.layout.statusRect()),
                  repaints)
            << position << " / " << taps;
    }
}

TEST(Taps, EachPositionHitsItsPlace) {
    constexpr int Hits[][3] = {
        {5, 219, 1},     {23, 245, 1},     {4, 230, 0},      {143, 219, 7},  {161, 245, 7},
        {142, 230, 0},   {10, 214, 19},    {10, 218, 0},     {10, 246, 0},   {171, 214, 16},
        {239, 250, 16},  {200, 230, 16},   {170, 230, 0},    {171, 213, 19}, {171, 251, 20},
        {0, 0, 18},      {104, 29, 18},    {136, 29, 18},    {105, 10, 0},   {135, 10, 0},
        {104, 30, 19},   {0, 30, 19},      {136, 214, 19},   {120, 100, 0},  {5, 250, 0},
        {5, 251, 20},    {120, 293, 20},   {5, 294, 0},      {20, -40, 18},  {-32768, -32768, 18},
        {32767, 10, 18}, {120, -32768, 0}, {32767, 230, 16}, {-5, 230, 0},   {-32768, 100, 19},
        {100, 32767, 0},
    };
    Position pos;
    for (auto [x, y, place] : Hits) EXPECT_EQ(hitTest(pos.g, x, y), place) << x << "," << y;
}
