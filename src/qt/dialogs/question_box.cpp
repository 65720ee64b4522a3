#include "qt/dialogs/question_box.h"

#include "game/strings.h"
#include "qt/platform/ui_scale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>

#include <algorithm>

namespace tarmigo {

QWidget* frontOf(QWidget* widget) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? modal : widget;
}

QuestionBox::QuestionBox(const QString& text, Enter enter, int zoom, QWidget* parent)
    : QMessageBox(QMessageBox::Question, QString::fromUtf8(label::ProgramName), text,
                  QMessageBox::Yes | QMessageBox::No, frontOf(parent)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setDefaultButton(enter == Enter::No ? QMessageBox::No : QMessageBox::Yes);
    // Named as shown: a reader says the answer Enter gives.
    for (QAbstractButton* answer : buttons())
        answer->setAccessibleName(answer->text().remove(QLatin1Char('&')));
    scaleToZoom(this, zoom);
}

void QuestionBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    narrow();
}

void QuestionBox::resizeEvent(QResizeEvent* event) {
    QMessageBox::resizeEvent(event);
    narrow();
}

void QuestionBox::narrow() {
    // The box sizes itself as it is shown and again later, to at least half the screen's
    // width (at most 500 pixels) once its text wraps: narrower where the game's window is.
    QWidget* game = parentWidget();
    while (game && game->parentWidget()) game = game->parentWidget();
    if (!game || !layout() || !isVisible()) return;
    int room = game->width();
    if (const QScreen* screen = game->screen())
        room = std::min(room, screen->availableGeometry().width());
    room -= DialogFrameWidth;
    if (width() <= room) return;
    if (auto* text = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) text->setWordWrap(true);
    setFixedSize(room, layout()->totalHeightForWidth(room));
    move(game->geometry().center() - rect().center());
}

} // namespace tarmigo
