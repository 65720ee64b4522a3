#include "board/table.h"

#include "game/view.h"

namespace tarmigo {

Table::Table(Host& host, ScreenHost& screen) : Game(host), screenHost(screen), board_(*this) {
    events = &board_;
}

Table::Table(const Table& other)
    : Game(other), Screen(other), screenHost(other.screenHost), board_(*this) {
    events = &board_;
}

int screenSeat(const Table& g) {
    return g.network ? 0 : shownSeat(g);
}

} // namespace tarmigo
