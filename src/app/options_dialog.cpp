#include "app/options_dialog.h"

#include "app/save_state.h"
#include "app/saved_history.h"
#include "game/strings.h"

#include <algorithm>

namespace tarmigo {
namespace {

bool anyGamesWon(const Game& g) {
    int sum = 0;
    for (const PlayerRecord& p : g.players) sum += p.gamesWon1P + p.gamesWon2P;
    return sum != 0;
}

} // namespace

const int OptionsDialog::DifficultyTexts[3] = {text::Easy, text::Hard, text::Expert};
const int OptionsDialog::PlayTexts[2] = {text::TapCardOnce, text::TapCardTwice};
const int OptionsDialog::DiscardTexts[3] = {text::TapCardThenDeck, text::TapCardTwice,
                                            text::TapCardOnce};

OptionsDialog::OptionsDialog(Session& g, ShellHost& host) : g_(g), host_(host) {
    const RoundRecord& r = g.round;
    difficulty_ = int(computerLevel(g)); // the list runs Easy, Hard, Expert
    play_ = r.get(flag::playMode);
    discard_ = r.get(flag::discardMode);
    discardEnabled_ = play_ == 0;
    sortCards = r.has(flag::sortHand);
    playSounds = r.has(flag::playSounds);
    animation_ = r.has(flag::animate);
    showPlayable = r.has(flag::showPlayable);
    showTips = !r.has(flag::hideTips);
    slider_ = SliderMax - std::clamp(r.animDelay, 0, SliderMax);
    resetEnabled_ = anyGamesWon(g);
}

void OptionsDialog::chooseDifficulty(int item) {
    difficulty_ = std::clamp(item, 0, 2);
}

void OptionsDialog::choosePlay(int item) {
    play_ = std::clamp(item, 0, 1);
    if (play_ == 1) {
        discard_ = 0;
        discardEnabled_ = false;
    } else {
        discardEnabled_ = true;
    }
}

void OptionsDialog::chooseDiscard(int item) {
    if (discardEnabled_) discard_ = std::clamp(item, 0, 2);
}

void OptionsDialog::moveSlider(int position) {
    if (sliderVisible()) slider_ = std::clamp(position, 0, SliderMax);
}

void OptionsDialog::pressResetScores(const std::function<void()>& answered) {
    if (!resetEnabled_) return;
    host_.askYesNo(text::ResetScores, [this, answered](bool yes) {
        if (yes) {
            for (PlayerRecord& p : g_.players) {
                p.gamesWon1P = 0;
                p.gamesWon2P = 0;
            }
            resetEnabled_ = false;
            restartHistory(g_);
        }
        if (answered) answered();
    });
}

void copyOptions(const Game& from, Game& to) {
    for (const BitField f : {flag::sortHand, flag::playSounds, flag::animate, flag::showPlayable,
                             flag::playMode, flag::discardMode, flag::hideTips})
        to.round.set(f, from.round.get(f));
    setComputerLevel(to, computerLevel(from));
    to.round.animDelay = from.round.animDelay;
}

void OptionsDialog::done() {
    RoundRecord& r = g_.round;
    r.set(flag::sortHand, sortCards);
    r.set(flag::playSounds, playSounds);
    r.set(flag::animate, animation_);
    r.set(flag::showPlayable, showPlayable);
    r.set(flag::discardMode, discard_);
    r.set(flag::playMode, play_);
    setComputerLevel(g_, Level(difficulty_));
    r.animDelay = SliderMax - slider_;
    r.set(flag::hideTips, !showTips);
    restartHistory(g_); // the moves from here are played by the new options
    saveState(g_);
}

} // namespace tarmigo
