#pragma once
// What one tap shows, as data: the board turns the rules' reports into an ordered
// queue of steps, and the front end plays them at its own pace. The desktop window
// plays them on a timer and stays responsive meanwhile; the replay driver and the
// simulator take them all at once.
//
// A move's pictures are values too: a card's slide is the move that makes it, and a part
// of the board redrawn is the view it is drawn from. The window makes their drawing calls
// when it plays them (makePicture, board/pictures.h), so nothing is drawn while the rules
// run. The queue is also a drawing surface: the calls made become steps, applied in the
// same order to the window's own picture.
#include "board/recording_surface.h"
#include "board/sentence.h"
#include "game/events.h"
#include "game/scores.h"

#include "game/view.h"

#include <deque>
#include <memory>
#include <variant>

namespace tarmigo {

struct Step {
    enum class Kind {
        Draw,   // one drawing call on the board's picture
        Frame,  // show the picture, then wait `delayMs` before the next step
        Slide,  // the card of `move` slides (by `animate`, `delayMs` apart), made when played
        Show,   // a part of the board (`region`, `which`) drawn from `view` when played
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
    // Slide: the screen's share of the card laid or drawn.
    std::variant<Laid, Drawn> move;
    bool animate = false;
    // Show: the part of the board, and the board as it stood when the part changed.
    Region region = Region::Board;
    int which = 0;
    std::shared_ptr<const SeatView> view;

    // Draw, Frame, Slide and Show change the board's picture; the others do not.
    bool isPicture() const { return kind <= Kind::Show; }
};

class Presentation : public RecordingSurface {
  public:
    void frame(int delayMs);
    void slide(const std::variant<Laid, Drawn>& share, bool animate, int delayMs);
    void show(Region region, int which, const SeatView& view);
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
    // Puts the steps of made before those queued: what a step played was made into.
    void putFront(Presentation&& made);
    void putBack(Step step) { steps_.push_back(std::move(step)); }
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
