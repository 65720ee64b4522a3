#include "board/repaint.h"
#include "board/status_line.h"
#include "game/strings.h"

namespace tarmigo {
namespace {

void showMessage(Table& g, StatusMessage message, Refresh refresh) {
    if (g.has(flag::hideTips)) {
        message = {};
    } else if (!stringText(message.id)) {
        return; // an unknown id leaves the previous message
    }
    g.status = message;
    if (refresh == Refresh::Yes) invalidateStatus(g);
}

} // namespace

void setStatus(Table& g, int id, Refresh refresh) {
    showMessage(g, {id, false, 0}, refresh);
}

void setStatusNumber(Table& g, int id, int number, Refresh refresh) {
    showMessage(g, {id, true, number}, refresh);
}

} // namespace tarmigo
