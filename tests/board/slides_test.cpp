// Card slides, summed up from what they draw; each ends where the paint then draws the card.
#include "board/animation.h"
#include "board/draw.h"
#include "board/pictures.h"
#include "board/recording_surface.h"
#include "support/position.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

using Kind = DrawOp::Kind;

// "before: OPS; N steps (D ms) from X,Y then X,Y; last: OP", where an op is
// "fill X,Y", "card B X,Y" or "restore X,Y", and a step is a frame the window shows.
std::string summary(const RecordingSurface& s, const Presentation& shown) {
    int frames = 0, delay = 0;
    for (const Step& step : shown.steps()) {
        if (step.kind != Step::Kind::Frame) continue;
        ++frames;
        delay = step.delayMs;
    }
    auto op = [](const DrawOp& o) {
        const std::string at = std::to_string(o.x()) + "," + std::to_string(o.y());
        if (o.kind == Kind::Bitmap) return "card " + std::to_string(o.bitmap) + " " + at;
        return std::string(o.kind == Kind::Fill   ? "fill "
                           : o.kind == Kind::Save ? "save "
                                                  : "restore ") +
               at;
    };
    std::string out = "before:";
    std::size_t i = 0;
    // Appended apart: GCC 12 at -O3 wrongly sees `" " + op(...)` as an overlapping copy.
    for (; i < s.ops().size() && s.ops()[i].kind != Kind::Save; ++i) {
        out += ' ';
        out += op(s.ops()[i]);
    }
    out += "; " + std::to_string(frames) + " steps";
    if (frames > 0) {
        out += " (" + std::to_string(delay) + " ms) from " + op(s.ops()[i]).substr(5);
        if (i + 3 < s.ops().size()) out += " then " + op(s.ops()[i + 3]).substr(5);
    }
    if (!s.ops().empty()) out += "; last: " + op(s.ops().back());
    return out;
}

struct SlideRow {
    const char* position;
    std::function<void(Session&)> slide;
    const char* drawn;
};

// A slide on the table's screen, by its options, when it has one.
template <class Run> void onScreen(Session& g, Run run) {
    if (g.surface)
        run(SlideStage{*g.surface, g.presentation, g.layout, g.has(flag::animate),
                       g.round.animDelay});
}

std::function<void(Session&)> bitmap(const Slide& slide) {
    return
        [slide](Session& g) { onScreen(g, [&](const SlideStage& s) { slideBitmap(s, slide); }); };
}

// The selected card laid, or the next card drawn, as the rules report it, shown in the
// screen's share (a host's screen is checked over whole games in seat_share_test.cpp).
std::function<void(Session&)> laid(int target) {
    return [target](Session& g) {
        const int s = g.own().selectedSlot();
        const Laid move{g.currentPlayer, s, s >= 1 ? g.own().slot(s) : Card(EmptySlot), target};
        onScreen(g, [&](const SlideStage& s) { slideLaid(s, shareOf(move, screenSeat(g))); });
    };
}

std::function<void(Session&)> drawn() {
    return [](Session& g) {
        const int pos = g.round.deckPos;
        const Card card = pos < DeckSize ? g.deck[pos] : Card(EmptySlot);
        const Drawn move{g.currentPlayer, g.own().drawSlot(), card, DeckSize - pos - 1};
        onScreen(g, [&](const SlideStage& s) { slideDrawn(s, shareOf(move, screenSeat(g))); });
    };
}

const SlideRow Slides[] = {
    {"| | animate", bitmap({.bitmap = Stop, .from = {5, 219}, .to = {141, 99}, .delay = 8}),
     "before:; 34 steps (8 ms) from 5,219 then 9,215; last: card 112 141,99"},
    {"", bitmap({.bitmap = Go, .from = {5, 219}, .to = {141, 99}, .delay = 8}),
     "before: card 107 141,99; 0 steps; last: card 107 141,99"},
    {"| | animate", bitmap({.bitmap = Go, .from = {50, 50}, .to = {53, 47}, .delay = 8}),
     "before: card 107 53,47; 0 steps; last: card 107 53,47"},
    {"| | animate",
     bitmap({.bitmap = Go, .from = {50, 50}, .to = {47, 51}, .delay = 8, .finalDraw = false}),
     "before:; 0 steps"},
    {"| | animate", bitmap({.bitmap = Go, .from = {0, 0}, .to = {100, 0}, .delay = 8, .step = 0}),
     "before: card 107 100,0; 0 steps; last: card 107 100,0"},
    {"| | animate", bitmap({.bitmap = Go, .from = {0, 0}, .to = {3, 0}, .delay = 8, .step = 1}),
     "before:; 3 steps (8 ms) from 0,0 then 1,0; last: card 107 3,0"},
    {"sel=4 hand=fiklpnu | | animate",
     [](Session& g) { g.round.animDelay = 3, laid(target::BattlePile + 1)(g); },
     "before: fill 0,251 card 121 74,219; 30 steps (3 ms) from 74,219 then 76,215; last: card 108 "
     "141,99"},
    {"| sel=2 hand=fiklpnu | one animate turn=1", laid(target::DistanceArea + 1),
     "before: fill 0,251; 37 steps (8 ms) from 120,0 then 122,4; last: card 105 198,149"},
    {"draw=2 | | animate deck=30 next=m", drawn(),
     "before:; 41 steps (8 ms) from 194,219 then 190,219; last: card 109 28,219"},
    {"| draw=5 | one animate turn=1 deck=30", drawn(),
     "before:; 54 steps (8 ms) from 194,219 then 192,215; last: restore 122,7"},
    {"draw=1 | | deck=98", drawn(), "before: card 111 5,219; 0 steps; last: card 111 5,219"},
    {"draw=1 | | deck=99", drawn(),
     "before: card 111 5,219 fill 212,220 fill 195,245; 0 steps; last: fill 195,245"},
    {"draw=1 | | deck=100", drawn(),
     "before: card 111 5,219 fill 212,220 fill 195,245 card 121 194,219; 0 steps; last: card 121 "
     "194,219"},
    {"draw=1 | | deck=101", drawn(), "before:; 0 steps"},
    {"hand=fiklpnu | | animate", laid(target::BattlePile + 1),
     "before: fill 0,251; 0 steps; last: fill 0,251"},
};

// Keeps the card the rules report laid.
struct LaidHeard : GameEvents {
    Laid laid;
    void report(Game&, const Report& r) override {
        if (const auto* l = std::get_if<Laid>(&r)) laid = *l;
    }
};

} // namespace

TEST(Slides, EachSlideDrawsAsTheTableSays) {
    for (const SlideRow& row : Slides) {
        Position pos;
        RecordingSurface surface;
        pos.set(row.position);
        pos.g.surface = &surface;
        row.slide(pos.g);
        EXPECT_EQ(summary(surface, pos.g.presentation), row.drawn) << row.position;
    }
}

TEST(Slides, EverySlideEndsWhereThePaintDrawsTheCard) {
    constexpr std::pair<const char*, int> Moves[] = {
        {"stop hand=p | go", target::DiscardPile},
        {"stop hand=k | go", target::BattlePile},
        {"go hand=q | go", target::BattlePile + 1},
        {"go hand=t | go", target::SpeedPile + 1},
        {"go limit hand=o | go", target::SpeedPile},
        {"go hand=g | go", target::DistanceArea},
        {"go miles=200 hand=i | go", target::DistanceArea},
        {"hand=u | go", target::SafetyArea},
        {"go hand=v | go", target::SafetyArea},
        {"go hand=w | go", target::SafetyArea},
        {"go hand=x | go", target::SafetyArea},
        {"go | hand=u | turn=1", target::SafetyArea + 1},
        {"go | go hand=g | turn=1", target::DistanceArea + 1}};
    for (auto [position, target] : Moves) {
        Position pos;
        RecordingSurface surface;
        pos.set(position).select(1);
        pos.g.surface = &surface;
        const Card card = pos.own().slot(1);
        LaidHeard heard;
        FanOut both{pos.g.events, &heard};
        pos.g.events = &both;
        ASSERT_NE(dispatchMove(pos.g, target), MoveResult::Refused) << position;
        makePictures(pos.g.presentation, pos.g.layout); // as the window plays them
        for (const Step& s : pos.g.presentation.steps())
            if (s.kind == Step::Kind::Draw) applyDraw(s.op, surface);
        const auto last = std::find_if(surface.ops().rbegin(), surface.ops().rend(),
                                       [&](const DrawOp& o) { return o.bitmap == card; });
        ASSERT_NE(last, surface.ops().rend()) << position;
        const DrawOp end = *last;
        surface.clear();
        paintWindow(pos.g, surface);
        EXPECT_TRUE(std::any_of(surface.ops().begin(), surface.ops().end(),
                                [&](const DrawOp& o) {
                                    return o.kind == Kind::Bitmap && o.bitmap == card &&
                                           o.rect == end.rect;
                                }))
            << position << ": the slide ends at " << end.x() << "," << end.y();
        // Made from the move alone, as another window makes it (each seat's share, by
        // that window's own options), the slide ends on the same place.
        for (int seat = 0; seat < 2; ++seat) {
            for (const bool animate : {true, false}) {
                RecordingSurface other;
                Presentation frames;
                slideLaid(SlideStage{other, frames, pos.g.layout, animate, 1},
                          shareOf(heard.laid, seat));
                ASSERT_FALSE(other.ops().empty()) << position;
                EXPECT_EQ(other.ops().back().rect, end.rect) << position << " seat " << seat;
                EXPECT_EQ(frames.empty(), !animate) << position;
            }
        }
    }
}
