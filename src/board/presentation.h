#pragma once
// What one tap shows, as data: the board turns the rules' reports into an ordered
// queue of steps, and the front end plays them at its own pace. The desktop window
// plays them on a timer and stays responsive meanwhile; the replay driver and the
// simulator take them all at once.
//
// The queue is also the drawing surface of a tap: every drawing call becomes a step,
// applied later in the same order to the window's own picture, so what the window
// shows is exactly what drawing straight onto it would have shown.
#include "board/recording_surface.h"
#include "board/sentence.h"
#include "game/events.h"
#include "game/scores.h"

#include "game/view.h"

#include <deque>
#include <memory>

namespace tarmigo {

struct Step {
    enum class Kind {
        Draw,   // one drawing call on the board's picture
        Frame,  // show the picture, then wait `delayMs` before the next step
        Sound,  // a move's sound
        Undo,   // the Undo button becomes `enabled`
        Redo,   // the Redo button becomes `enabled`
        Scores, // the Scores dialog: at a hand's end (`handEnd`), or asked for
        Ask,    // the question of the pending decision, by string id
        Say,    // what a move did, in words, said as it shows
    };

    Kind kind = Kind::Draw;
    DrawOp op;
    int delayMs = 0;
    tarmigo::Sound sound = tarmigo::Sound::Safety;
    bool enabled = false;
    bool handEnd = false;
    int stringId = 0;
    Sentence sentence;
    // Scores: the game as it stood when the dialog was asked for, so that the dialog
    // shows that and not what later moves of the same tap made of it.
    std::shared_ptr<const SeatView> standing;
    // Scores at a hand's end of a game held elsewhere: the figures as they were sent.
    std::shared_ptr<const ScoresContent> figures;

    // Draw and Frame change the board's picture; the others do not.
    bool isPicture() const { return kind == Kind::Draw || kind == Kind::Frame; }
};

class Presentation : public RecordingSurface {
  public:
    void frame(int delayMs);
    void sound(tarmigo::Sound s);
    void undo(bool enabled);
    void redo(bool enabled);
    void scores(bool handEnd, const SeatView& standing);
    void scores(const ScoresContent& figures);
    void ask(int stringId);
    void say(const Sentence& sentence);
    // The last sentence queued with a pattern, or by default the last move's (a draw is
    // not a move), or null: a move can turn out to say more than it began to.
    Sentence* lastSaid(int pattern = 0);

    bool empty() const { return steps_.empty(); }
    const std::deque<Step>& steps() const { return steps_; }
    Step take();
    void clear() { steps_.clear(); }
    // Drops the pictures still queued, keeping the other steps in their order: the
    // board is about to be painted afresh from the game.
    void dropPictures();
    // The background the window's picture has where the queued drawing will start.
    using RecordingSurface::startFrom;

  protected:
    void record(DrawOp op) override;

  private:
    Step& add(Step::Kind kind);

    std::deque<Step> steps_;
};

} // namespace tarmigo
