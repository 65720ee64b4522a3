#include "board/repaint.h"
#include "board/status_line.h"
#include "game/strings.h"

namespace tarmigo {
namespace {

void showMessage(Table& g, int seat, StatusMessage message, Refresh refresh) {
    if (g.has(flag::hideTips)) {
        message = {};
    } else if (!stringText(message.id)) {
        return; // an unknown id leaves the previous message
    }
    setSeatStatus(g, seat, message);
    if (refresh == Refresh::Yes) invalidateStatus(g);
}

} // namespace

void setStatus(Table& g, int seat, int id, Refresh refresh) {
    showMessage(g, seat, {id, false, 0}, refresh);
}

void setStatusNumber(Table& g, int seat, int id, int number, Refresh refresh) {
    showMessage(g, seat, {id, true, number}, refresh);
}

} // namespace tarmigo
