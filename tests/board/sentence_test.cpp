// A move told in words: each sentence in the order the moves show, naming the sides
// as the board does and only cards laid for all to see, but the human's own draw against
// the computer (never between two players); and the hint, which changes nothing.
#include "app/save_state.h"
#include "board/sentence.h"
#include "game/strings.h"
#include "support/program.h"
#include "turns/hint.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The sentences the taps queued, in English, " / " between them.
std::string said(Program& app, std::initializer_list<int> places) {
    Session& g = app.g();
    std::string out;
    for (int place : places) {
        g.presentation.clear();
        app.shell.penDown();
        if (place == 0)
            app.shell.penUp(g.layout.drawPileTap().x, g.layout.drawPileTap().y);
        else
            app.shell.penUp(g.layout.slotTap(place).x, g.layout.slotTap(place).y);
        for (const Step& s : g.presentation.steps())
            if (s.kind == Step::Kind::Say)
                out += (out.empty() ? "" : " / ") + sentenceText(s.sentence);
        app.runPosted();
    }
    return out;
}

} // namespace

TEST(Sentences, EachMoveIsToldAsItShowsWithTheSidesNamedAsTheBoardNamesThem) {
    const struct {
        const char* position;
        std::initializer_list<int> taps; // hand slots; 0 the draw pile
        const char* said;
    } Rows[] = {
        {"hand=qrstuvp | go hand=ffffff | one",
         {7},
         // The card drawn is said in the slot the sorted hand puts it in, not the one it filled.
         "You play Stop on Computer / Computer discards 25 miles / You draw Repairs into slot 1"},
        {"go hand=ifffff | go hand=pppppp draw=7 | one hard",
         {1},
         "You play 100 miles / Computer plays Stop on you / You draw 100 miles into slot 6"},
        {"hand=pfghijk | go | two", {1}, "Player 1 plays Stop on Player 2"},
        {"hand=ffffff | go hand=gggggg | two turn=1", {1}, "Player 2 plays 50 miles"},
        // Armed from the draw pile, the next card tapped is discarded.
        {"hand=tfghijk | | one",
         {0, 1},
         "You discard Speed Limit / Computer discards Go / You draw Repairs into slot 7"},
        {"stop hand=uffffff | go hazard=1 | one",
         {1},
         "You play a coup fourre: Right of Way / You draw Repairs into slot 7"},
        {"go hand=pffffff | go hand=uffffff | one",
         {1},
         "You play Stop on Computer / Computer plays a coup fourre: Right of Way / Computer "
         "discards 25 miles / You draw 100 miles into slot 7"},
        // The computer draws the last card of the pile.
        {"go hand=ffffff | go hand=gggggg draw=7 | one hard deck=100",
         {1},
         "You play 25 miles / The draw pile is empty / Computer plays 50 miles"},
    };
    for (const auto& row : Rows) {
        Program app;
        app.start();
        setPosition(app.g(), row.position);
        EXPECT_EQ(said(app, row.taps), row.said) << row.position;
    }
}

TEST(Sentences, WordsAreFilledInTheirLanguageAndNumbersAsNumbers) {
    Program app;
    app.start();
    setPosition(app.g(), "miles=350 score=400 game=1200 | miles=25 | two");
    EXPECT_EQ(sentenceText(standingSentence(viewFor(app.g(), 0), 0)),
              "Player 1: 350 miles, hand 400, game 1200");
    const auto shouted = [](int id) { return "<" + std::string(stringText(id)) + ">"; };
    EXPECT_EQ(sentenceText(standingSentence(viewFor(app.g(), 0), 1), shouted),
              "<<Player 2>: 25 miles, hand 0, game 0>");
    EXPECT_EQ(sentenceText({}), "");
}

TEST(Hint, NamesACardOfTheHandAndItsPlaceAndChangesNothingSaved) {
    const struct {
        const char* position;
        const char* said; // empty: any card of the hand
    } Rows[] = {
        {"| | one turn=1", "A hint is given on your turn only"},
        {"hand=fffffff | go | two handover", "A hint is given on your turn only"},
        {"hand=ffffff | | one over", "A hint is given on your turn only"},
        // A Go is all that can move a stopped player.
        {"stop hand=kffffff | go | one", "Hint: play Go"},
        {"go hand=ffffff | go | one", "Hint: play 25 miles"},
        {"go hand=ffffffi | go | one", ""},
    };
    for (const auto& row : Rows) {
        Program app;
        app.start();
        Session& g = app.g();
        setPosition(g, row.position);
        saveState(g);
        const std::vector<std::uint8_t> before = *app.fileCopy.bytes;
        const std::string position = describeAll(g);
        const Hint hint = hintFor(g);
        EXPECT_EQ(describeAll(g), position) << row.position;
        saveState(g);
        EXPECT_EQ(*app.fileCopy.bytes, before) << row.position;
        if (*row.said) {
            EXPECT_EQ(sentenceText(hint.sentence), row.said) << row.position;
        }
        if (!hint.given) continue;
        const Card c = g.own().slot(hint.slot);
        EXPECT_EQ(hint.sentence.words[0], cardName(c)) << row.position;
        EXPECT_EQ(hint.card.left, g.layout.slotCard(hint.slot).x);
        EXPECT_GT(hint.place.right, hint.place.left);
        EXPECT_LE(hint.place.bottom, g.layout.boardBottom());
    }
}
