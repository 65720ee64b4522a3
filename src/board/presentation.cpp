#include "board/presentation.h"

#include "game/strings.h"

#include <algorithm>
#include <iterator>

namespace tarmigo {

void Presentation::record(DrawOp op) {
    Step s;
    s.op = std::move(op);
    steps_.push_back(std::move(s));
}

Step& Presentation::add(Step::Kind kind) {
    Step& s = steps_.emplace_back();
    s.kind = kind;
    return s;
}

void Presentation::frame(int delayMs) {
    add(Step::Kind::Frame).delayMs = delayMs;
}

void Presentation::slide(const std::variant<Laid, Drawn>& share, bool animate, int delayMs) {
    Step& s = add(Step::Kind::Slide);
    s.move = share;
    s.animate = animate;
    s.delayMs = delayMs;
}

void Presentation::show(Region region, int which, const SeatView& view) {
    Step& s = add(Step::Kind::Show);
    s.region = region;
    s.which = which;
    s.view = std::make_shared<const SeatView>(view);
}

void Presentation::putFront(Presentation&& made) {
    steps_.insert(steps_.begin(), std::make_move_iterator(made.steps_.begin()),
                  std::make_move_iterator(made.steps_.end()));
}

void Presentation::sound(tarmigo::Sound sound) {
    add(Step::Kind::Sound).sound = sound;
}

void Presentation::undo(bool enabled) {
    add(Step::Kind::Undo).enabled = enabled;
}

void Presentation::redo(bool enabled) {
    add(Step::Kind::Redo).enabled = enabled;
}

void Presentation::scores(bool handEnd, const SeatView& standing) {
    Step& s = add(Step::Kind::Scores);
    s.handEnd = handEnd;
    s.standing = std::make_shared<const SeatView>(standing);
}

void Presentation::scores(const ScoresContent& figures) {
    Step& s = add(Step::Kind::Scores);
    s.handEnd = true;
    s.figures = std::make_shared<const ScoresContent>(figures);
}

void Presentation::ask(int stringId) {
    add(Step::Kind::Ask).stringId = stringId;
}

void Presentation::say(const Sentence& sentence) {
    add(Step::Kind::Say).sentence = sentence;
}

Sentence* Presentation::lastSaid(int pattern) {
    const auto said = std::find_if(steps_.rbegin(), steps_.rend(), [pattern](const Step& s) {
        const int p = s.sentence.pattern;
        return s.kind == Step::Kind::Say && (pattern ? p == pattern : p != text::YouDraw);
    });
    return said == steps_.rend() ? nullptr : &said->sentence;
}

Step Presentation::take() {
    Step s = std::move(steps_.front());
    steps_.pop_front();
    return s;
}

void Presentation::dropPictures() {
    std::erase_if(steps_, [](const Step& s) { return s.isPicture(); });
}

} // namespace tarmigo
