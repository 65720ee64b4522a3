#include "board/pictures.h"

#include "board/animation.h"
#include "board/draw.h"
#include "board/status_line.h"

#include <variant>

namespace tarmigo {

void makePicture(const Step& step, const Layout& layout, Presentation& made) {
    if (step.kind == Step::Kind::Slide) {
        const SlideStage stage{made, made, layout, step.animate, step.delayMs};
        std::visit(Overloaded{[&](const Laid& laid) { slideLaid(stage, laid); },
                              [&](const Drawn& drawn) { slideDrawn(stage, drawn); }},
                   step.move);
        return;
    }
    if (step.kind != Step::Kind::Show) return;
    const Board b{*step.view, layout, made};
    switch (step.region) {
    case Region::Board: paintView(b); break;
    case Region::PlayerPanels: drawPlayerPanels(b); break;
    case Region::BattlePile: drawBattlePile(b, step.which); break;
    case Region::MilesAndHeaders: drawMilesAndHeaders(b); break;
    case Region::MileageBar: drawMileageBar(b); break;
    case Region::Headers: drawHeaders(b); break;
    case Region::HandShown: drawHand(b); break;
    case Region::HandCovered: coverHand(b); break;
    case Region::SlotMark: invertSlotHighlight(b, step.which); break;
    case Region::StatusLine: drawStatusLine(b); break;
    case Region::Hand:
    case Region::DrawPile: break; // repainted, not drawn at once
    }
}

void makePictures(Presentation& queue, const Layout& layout) {
    Presentation played;
    while (!queue.empty()) {
        Step step = queue.take();
        if (step.kind != Step::Kind::Slide && step.kind != Step::Kind::Show) {
            played.putBack(std::move(step));
            continue;
        }
        Presentation made;
        makePicture(step, layout, made);
        queue.putFront(std::move(made));
    }
    queue.putFront(std::move(played));
}

} // namespace tarmigo
