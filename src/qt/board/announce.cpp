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
    // Without the announcement event, a reader hears the status line's new name.
    setStatusOverride(board, sentence);
#endif
}

} // namespace tarmigo
