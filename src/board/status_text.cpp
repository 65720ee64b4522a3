#include "board/repaint.h"
#include "board/status_line.h"
#include "game/strings.h"

namespace tarmigo {
namespace {

void showText(Table& g, int id, const int* number, Refresh refresh) {
    std::string text;
    if (!g.has(flag::hideTips)) {
        const char* loaded = stringText(id);
        if (!loaded) return; // an unknown id leaves the previous message
        text = loaded;
        if (text.size() > 127) text.resize(127);
        if (number) text = formatNumber(text, *number);
    }
    g.statusText = std::move(text);
    if (refresh == Refresh::Yes) invalidateStatus(g);
}

} // namespace

void setStatus(Table& g, int id, Refresh refresh) {
    showText(g, id, nullptr, refresh);
}

void setStatusNumber(Table& g, int id, int number, Refresh refresh) {
    showText(g, id, &number, refresh);
}

} // namespace tarmigo
