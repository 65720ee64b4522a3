#pragma once
// The board's answer to what the rules report: slides, redraws and status messages.
#include "board/layout.h"
#include "game/cards.h"
#include "game/events.h"

#include <variant>

namespace tarmigo {

struct Table;

// Listens to one table's rules and draws on that table.
class BoardEvents : public GameEvents {
  public:
    explicit BoardEvents(Table& table) : table_(table) {}

    void report(Game& g, const Report& r) override;

  private:
    void laid(const Game& g, const Laid& laid);
    void drawn(const Game& g, const Drawn& drawn);
    void regionChanged(const RegionChanged& changed);
    void statusSaid(const StatusSaid& said);
    // Queued for the window to make when it plays them, when a screen shows the table.
    void slide(const std::variant<Laid, Drawn>& share);
    void show(Region region, int which = 0);

    Table& table_;
};

} // namespace tarmigo
