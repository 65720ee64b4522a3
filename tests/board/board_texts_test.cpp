// The board draws labels and the status message by id through the surface, filling in the
// number; a message hidden by the tips option or with no text draws nothing. A full paint
// highlights the selected card, whichever slot it is in.
#include "board/draw.h"
#include "board/recording_surface.h"
#include "game/view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tarmigo;

namespace {

// A surface in a made-up language: the text of id N is "tN:%d".
class MarkedTexts : public RecordingSurface {
  public:
    std::string text(int id) const override {
        return stringText(id) ? "t" + std::to_string(id) + ":%d" : "";
    }
};

std::vector<std::string> textsDrawn(const SeatView& view) {
    MarkedTexts surface;
    const Layout layout = computeLayout(240, 320);
    paintView(Board{view, layout, surface});
    std::vector<std::string> texts;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Kind::Text) texts.push_back(op.text);
    return texts;
}

bool drawn(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(BoardTexts, LabelsTheWinnersFlagAndTheStatusComeFromTheSurfaceWithTheNumberFilledIn) {
    SeatView view;
    view.handShown = true;
    view.handOver = true;
    view.players[1].miles = 700; // the winner's flag
    view.status = {text::ExceedRace, true, 1000};
    const auto texts = textsDrawn(view);
    for (const char* label : {"t1101:%d", "t1102:%d", "t1103:%d", "t1104:%d", "t1105:%d",
                              "t1106:%d", "t1107:%d", "t1108:%d"})
        EXPECT_TRUE(drawn(texts, label)) << label;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "t1108:%d"), 1);
    EXPECT_TRUE(drawn(texts, "t1218:1000"));

    const struct {
        StatusMessage status;
        bool hideTips;
        const char* shown; // null: no status text at all
    } rows[] = {
        {{text::TapToPlay, false, 0}, false, "t1201:%d"}, // no number: the text as it is
        {{text::EndOfTurn, true, 2}, true, nullptr},      // tips hidden
        {{0, false, 0}, false, nullptr},                  // no message
        {{999, false, 0}, false, nullptr},                // an id with no text
    };
    for (const auto& row : rows) {
        view.status = row.status;
        view.hideTips = row.hideTips;
        const auto shown = textsDrawn(view);
        const auto status = std::find_if(shown.begin(), shown.end(), [](const std::string& t) {
            return t.rfind("t12", 0) == 0;
        });
        if (row.shown)
            EXPECT_TRUE(status != shown.end() && *status == row.shown) << row.status.id;
        else
            EXPECT_TRUE(status == shown.end()) << row.status.id;
    }
}

} // namespace

TEST(BoardPaint, AFullPaintHighlightsTheSelectedCardWhicheverSlotItIsIn) {
    const Layout layout = computeLayout(240, 320);
    for (int slot = 0; slot <= HandSize; ++slot) {
        SeatView view; // the seat's own turn
        view.handShown = true;
        view.selectedSlot = slot;
        RecordingSurface surface;
        paintView(Board{view, layout, surface});
        std::vector<int> lit;
        for (const DrawOp& op : surface.ops())
            for (int s = 1; s <= HandSize; ++s)
                if (op.kind == DrawOp::Kind::Invert && op.rect.left == layout.slotCard(s).x + 1)
                    lit.push_back(s);
        EXPECT_EQ(lit, slot == 0 ? std::vector<int>{} : std::vector<int>{slot}) << slot;
    }
}
