#include "qt/board/announce.h"

#include "qt/board/accessible_board.h"

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace tarmigo {

void announce(QWidget* board, const QString& sentence) {
    if (!board || sentence.isEmpty() || !QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(board, sentence);
    QAccessible::updateAccessibility(&event);
#else
    // Without the announcement event, a reader hears a notification shown in the status
    // line; a name change would not do: Qt 6.4 sends one without the new name.
    showSentence(board, sentence);
#endif
}

} // namespace tarmigo
