// A long run of random taps, menu commands, option changes and dialog answers in one-
// and two-player games: after every tap the game state is still sound and its saved
// record reads back to the same game.
#include "app/options_dialog.h"
#include "app/save_state.h"
#include "app/session.h"
#include "app/shell.h"
#include "app/taps.h"
#include "board/draw.h"
#include "board/surface.h"
#include "support/memory_store.h"
#include "support/position.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>
#include <sstream>
#include <string>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

constexpr int Width = 240;
constexpr int Height = 320;
constexpr int TapsWanted = 100000;

// Takes every drawing call and draws nothing, so that slides, highlights and paints
// run in full on whatever state the game is in.
class NullSurface : public DrawingSurface {
  public:
    void fillRect(const Rect&, Rgb, Pen) override {}
    void drawBitmap(int, int, int, int, int, int) override {}
    void invertRect(int, int, int, int) override {}
    void drawText(std::string_view, const Rect&, HAlign, VAlign) override {}
    void setBackground(Rgb colour) override { background_ = colour; }
    Rgb background() const override { return background_; }
    void saveBlock(int, int, int, int) override {}
    void restoreBlock(int, int) override {}

  private:
    Rgb background_;
};

// What is wrong with the game state, or nothing.
std::string brokenInvariant(const Game& g) {
    std::ostringstream out;
    if (g.playerCount != 1 && g.playerCount != 2) out << "playerCount " << int(g.playerCount);
    if (g.currentPlayer > 1) out << "currentPlayer " << int(g.currentPlayer);
    const RoundRecord& r = g.round;
    if (r.deckPos > DeckSize) out << "deckPos " << int(r.deckPos);
    if (r.raceLength != 700 && r.raceLength != 1000) out << "raceLength " << r.raceLength;
    if (r.animDelay < 0 || r.animDelay > 16) out << "animDelay " << r.animDelay;
    if (r.discardTop != 0 && !isCard(r.discardTop)) out << "discardTop " << int(r.discardTop);
    for (int i = 0; i < CardKinds; ++i)
        if (r.seenCount[i] > deckCount[i]) out << "seenCount of " << char(FirstCard + i);

    // Every card of the deck is somewhere, and no card is in two places.
    std::array<int, CardKinds> inDeck{};
    for (Card c : g.deck) {
        if (!isCard(c)) {
            out << "deck holds " << int(c);
            return out.str();
        }
        ++inDeck[c - FirstCard];
    }
    std::array<int, CardKinds> placed{};
    for (int i = std::min<int>(r.deckPos, DeckSize); i < DeckSize; ++i)
        ++placed[g.deck[i] - FirstCard];

    for (int p = 0; p < 2; ++p) {
        const PlayerRecord& pl = g.players[p];
        for (int s = 1; s <= HandSize; ++s) {
            const Card c = pl.slot(s);
            if (c == EmptySlot) continue;
            if (!isCard(c)) {
                out << "player " << p << " slot " << s << " holds " << int(c);
                return out.str();
            }
            ++placed[c - FirstCard];
        }
        int miles = 0;
        for (int k = 0; k < 5; ++k) {
            miles += pl.distancePlayed[k] * distanceValue[k];
            placed[k] += pl.distancePlayed[k];
        }
        for (int bit = 0; bit < 4; ++bit) placed[RightOfWay - FirstCard + bit] += pl.hasSafety(bit);
        if (miles != pl.miles) out << "player " << p << " miles " << pl.miles << " laid " << miles;
        if (pl.miles > r.raceLength) out << "player " << p << " past the race";
        if (pl.distancePlayed[Distance200 - Distance25] > 2) out << "player " << p << " 200s";
        const int b = pl.battle();
        if (b == 5 || b >= 10) out << "player " << p << " battle " << b;
        if (pl.speed() > 2) out << "player " << p << " speed " << pl.speed();
        if (pl.lastHazard() > 5) out << "player " << p << " lastHazard " << pl.lastHazard();
        if (pl.drawSlot() > 7 || pl.selectedSlot() > 7 || pl.markedSlot() > 7)
            out << "player " << p << " slot field";
    }
    for (int i = 0; i < CardKinds; ++i) {
        if (inDeck[i] != deckCount[i])
            out << "the deck has " << inDeck[i] << " of " << char(FirstCard + i);
        if (placed[i] > deckCount[i])
            out << placed[i] << " cards of " << char(FirstCard + i) << " in play";
    }
    return out.str();
}

// Whether the stored copy is sound and holds exactly the game in memory.
std::string brokenRecord(const Game& g, const MemoryStore& store) {
    if (!store.bytes) return "nothing stored";
    if (!isSoundRecord(*store.bytes)) return "the stored copy is not sound";
    TestHost host;
    Session copy(host);
    applySaveRecord(
        copy, std::span<const std::uint8_t, SaveRecordSize>(store.bytes->data(), SaveRecordSize));
    if (recordsOf(copy) != recordsOf(g) || copy.deck != g.deck)
        return "the stored copy differs from the game";
    return "";
}

class RandomRun {
  public:
    explicit RandomRun(std::uint32_t seed) : rng_(seed) {
        host_.optionsDialog = [this](OptionsDialog& d) { operate(d); };
        restart();
    }

    void run() {
        while (taps_ < TapsWanted) {
            host_.ticks = std::uint32_t(rng_());
            topUpAnswers();
            const int roll = pick(1000);
            if (roll < 15)
                command();
            else if (roll < 20 && g().has(flag::handOver))
                nextHand();
            else if (roll < 21 && taps_ % 20000 < 200)
                restart();
            else if (roll < 30 && host_.undoEnabled)
                undo();
            else
                tap();
            if (::testing::Test::HasFatalFailure()) return;
            if (taps_ % 5000 == 0 && lastTaps_ != taps_) {
                lastTaps_ = taps_;
                switchMode(); // both modes get long stretches of play
            }
            forgetRecordings();
        }
    }

    struct Stats {
        int taps[2] = {0, 0}; // in one- and two-player games
        int handsEnded = 0;
        int gamesEnded = 0;
        int undos = 0;
    } stats;

  private:
    int pick(int n) { return int(rng_() % std::uint32_t(n)); }
    int between(int lo, int hi) { return lo + pick(hi - lo + 1); }
    Session& g() { return shell_->game(); }

    void note(std::string what) {
        log_.push_back(std::move(what));
        if (log_.size() > 12) log_.pop_front();
    }
    std::string history() const {
        std::string all;
        for (const std::string& s : log_) all += "  " + s + "\n";
        return all;
    }

    void check(const char* after) {
        const std::string broken = brokenInvariant(g());
        ASSERT_EQ(broken, "") << "after " << after << ", tap " << taps_ << "; last steps:\n"
                              << history();
    }

    void topUpAnswers() {
        while (host_.yesNoAnswers.size() < 3) host_.yesNoAnswers.push_back(pick(2) == 0);
        while (host_.scoresAnswers.size() < 3) {
            const int answers[] = {dialog::Done, dialog::Cancel, dialog::NewHand, dialog::NewHand};
            host_.scoresAnswers.push_back(answers[pick(4)]);
        }
    }

    std::pair<int, int> position() {
        const Layout& l = g().layout;
        const int kind = pick(100);
        if (kind < 20) return {pick(Width), pick(Height)};
        if (kind < 65) return {23 * between(1, 7) - pick(20), l.handY + between(4, 32)};
        if (kind < 75) return {between(l.deckX - 2, Width), between(l.handY - 2, l.statusY + 2)};
        if (kind < 90) return {pick(Width), between(l.statusY - 2, Height - 24)};
        if (kind < 95) {
            const int xs[] = {-1, 0, 1, Width - 1, Width, Width + 1, -32768, 32767};
            const int ys[] = {-1, 0, 1, Height - 1, Height, Height + 1, -32768, 32767};
            return {xs[pick(8)], ys[pick(8)]};
        }
        return {between(-32768, 32767), between(-32768, 32767)};
    }

    void tap() {
        const auto [x, y] = position();
        host_.tapSurface = pick(4) == 0 ? &surface_ : nullptr;
        const bool withPenDown = pick(50) != 0;
        note("tap " + std::to_string(x) + "," + std::to_string(y) +
             (withPenDown ? "" : " without pen down"));
        const bool wasOver = g().has(flag::handOver);
        const bool wasGameOver = g().has(flag::gameOver);
        ++stats.taps[g().playerCount - 1];
        if (withPenDown) penDown(g());
        penUp(g(), x, y);
        ++taps_;
        stats.handsEnded += !wasOver && g().has(flag::handOver);
        stats.gamesEnded += !wasGameOver && g().has(flag::gameOver);
        check("the tap");
        if (::testing::Test::HasFatalFailure()) return;
        if (withPenDown) {
            const std::string stored = brokenRecord(g(), file_);
            ASSERT_EQ(stored, "") << "tap " << taps_ << "; last steps:\n" << history();
            ASSERT_EQ(file_.bytes, second_.bytes);
        }
        runPosted();
        if (pick(8) == 0) paintWindow(g(), surface_);
    }

    void command() {
        int id = 0;
        const int kind = pick(12);
        switch (kind) {
        case 0:
        case 1: id = command::OnePlayerGame; break;
        case 2:
        case 3: id = command::TwoPlayerGame; break;
        case 4: id = command::About; break;
        case 5:
        case 6: id = command::Options; break;
        case 7: id = command::Scores; break;
        case 8: id = command::Help; break;
        case 9:
            // A disabled button cannot be pressed.
            id = host_.undoEnabled ? command::Undo : command::Scores;
            break;
        case 10: id = pick(2) ? command::NewGameMenu : command::ViewMenu; break;
        default: id = pick(65536); break;
        }
        if (id == command::Undo && !host_.undoEnabled) return;
        note("command " + std::to_string(id));
        stats.undos += id == command::Undo;
        shell_->handleCommand(id);
        check("the command");
        runPosted();
    }

    void runPosted() {
        while (!host_.posted.empty()) {
            const int id = host_.posted.front();
            host_.posted.erase(host_.posted.begin());
            note("posted " + std::to_string(id));
            shell_->handleCommand(id);
            check("a posted command");
        }
    }

    void undo() {
        note("undo");
        ++stats.undos;
        shell_->handleCommand(command::Undo);
        check("the undo");
    }

    // The "New" entry of the mode being played, which deals the next hand at once.
    void nextHand() {
        const int id = command::NewGameMenu + g().playerCount;
        note("next hand " + std::to_string(id));
        shell_->handleCommand(id);
        check("the next hand");
    }

    void switchMode() {
        const int id = g().playerCount == 1 ? command::TwoPlayerGame : command::OnePlayerGame;
        host_.yesNoAnswers.push_front(true);
        note("switch " + std::to_string(id));
        shell_->handleCommand(id);
        check("a change of mode");
    }

    // The Options dialog, with a few random controls operated before Done or cancel.
    void operate(OptionsDialog& d) {
        for (int n = pick(6); n > 0; --n) {
            switch (pick(10)) {
            case 0: d.chooseDifficulty(between(-1, 2)); break;
            case 1: d.choosePlay(between(-1, 2)); break;
            case 2: d.chooseDiscard(between(-1, 3)); break;
            case 3: d.sortCards = !d.sortCards; break;
            case 4: d.playSounds = !d.playSounds; break;
            case 5: d.setAnimation(!d.animation()); break;
            case 6: d.moveSlider(between(-2, 18)); break;
            case 7: d.showPlayable = !d.showPlayable; break;
            case 8: d.showTips = !d.showTips; break;
            default: d.pressResetScores(); break;
            }
        }
        if (pick(3) == 0) {
            note("options cancelled");
            d.cancel();
        } else {
            note("options done");
            d.done();
        }
    }

    // Another start of the program over the copies the run has stored.
    void restart() {
        note("start");
        shell_ = std::make_unique<Shell>(host_, &file_, &second_);
        shell_->start(Width, Height);
        check("the start");
    }

    void forgetRecordings() {
        host_.sounds.clear();
        host_.questions.clear();
        host_.invalidated.clear();
    }

    std::mt19937 rng_;
    TestHost host_;
    MemoryStore file_;
    MemoryStore second_;
    NullSurface surface_;
    std::unique_ptr<Shell> shell_;
    std::deque<std::string> log_;
    int taps_ = 0;
    int lastTaps_ = 0;
};

} // namespace

TEST(RandomTaps, AHundredThousandRandomTapsKeepTheGameSound) {
    RandomRun run(20241207);
    run.run();
    // The run played real games in both modes, not just taps on a finished hand.
    EXPECT_GT(run.stats.taps[0], 20000);
    EXPECT_GT(run.stats.taps[1], 20000);
    EXPECT_GT(run.stats.handsEnded, 100);
    EXPECT_GT(run.stats.gamesEnded, 0);
    EXPECT_GT(run.stats.undos, 500);
    std::printf("taps %d + %d, hands %d, games %d, undos %d\n", run.stats.taps[0],
                run.stats.taps[1], run.stats.handsEnded, run.stats.gamesEnded, run.stats.undos);
}
