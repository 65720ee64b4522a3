#pragma once
// The Options dialog's rules, as a model that a window or the replay driver operates.
#include "app/session.h"

#include <functional>

namespace tarmigo {

// The person's options (the Options dialog's settings), from one of their games to
// another: the network game they host plays by those of their game at this program.
void copyOptions(const Game& from, Game& to);

class OptionsDialog {
  public:
    static constexpr int SliderMax = 16;

    // Fills the controls from the game's settings; host asks the Reset question.
    OptionsDialog(Session& g, ShellHost& host);

    // The "Difficulty" list: 0 Easy, 1 Hard, 2 Expert (Hard in the record, and the
    // game's planning computer).
    int difficulty() const { return difficulty_; }
    void chooseDifficulty(int item);
    // The "To play" list: 0 "tap card once", 1 "tap card twice". Choosing "tap card
    // twice" leaves only "tap card then deck" for discarding and locks that list.
    int playItem() const { return play_; }
    void choosePlay(int item);
    // The "To discard" list: 0 "tap card then deck", 1 "tap card twice", 2 "tap card once".
    int discardItem() const { return discard_; }
    bool discardEnabled() const { return discardEnabled_; }
    void chooseDiscard(int item);

    bool sortCards = false;
    bool playSounds = false;
    bool showPlayable = false;
    bool showTips = false;
    bool animation() const { return animation_; }
    // Checking "Animation" shows the speed slider, unchecking hides it.
    void setAnimation(bool on) { animation_ = on; }
    bool sliderVisible() const { return animation_; }
    int sliderPosition() const { return slider_; }
    void moveSlider(int position);

    bool resetEnabled() const { return resetEnabled_; }
    // Asks 1603; on Yes clears the games won of both modes at once (stands even if
    // the dialog is then cancelled). answered runs once the question is answered.
    void pressResetScores(const std::function<void()>& answered = {});

    // Done: applies every setting and saves. Cancel applies nothing.
    void done();
    void cancel() {}

    // The list texts, in list order.
    static const int DifficultyTexts[3];
    static const int PlayTexts[2];
    static const int DiscardTexts[3];

  private:
    Session& g_;
    ShellHost& host_;
    int difficulty_ = 0;
    int play_ = 0;
    int discard_ = 0;
    bool discardEnabled_ = true;
    bool animation_ = false;
    int slider_ = 0;
    bool resetEnabled_ = false;
};

} // namespace tarmigo
