#include "board/presentation.h"

#include <algorithm>

namespace tarmigo {

void Presentation::record(DrawOp op) {
    Step s;
    s.op = std::move(op);
    steps_.push_back(std::move(s));
}

void Presentation::frame(int delayMs) {
    Step& s = steps_.emplace_back();
    s.kind = Step::Kind::Frame;
    s.delayMs = delayMs;
}

void Presentation::sound(tarmigo::Sound sound) {
    Step& s = steps_.emplace_back();
    s.kind = Step::Kind::Sound;
    s.sound = sound;
}

void Presentation::undo(bool enabled) {
    Step& s = steps_.emplace_back();
    s.kind = Step::Kind::Undo;
    s.enabled = enabled;
}

void Presentation::scores(bool handEnd) {
    Step& s = steps_.emplace_back();
    s.kind = Step::Kind::Scores;
    s.handEnd = handEnd;
}

void Presentation::ask(int stringId) {
    Step& s = steps_.emplace_back();
    s.kind = Step::Kind::Ask;
    s.stringId = stringId;
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
