#include "qt/watch_controls.h"

#include "qt/platform/translation.h"

#include "app/commands.h"
#include "app/shell.h"
#include "board/sentence.h"
#include "qt/command_bar.h"
#include "qt/desktop_labels.h"

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace tarmigo {

WatchControls::WatchControls(const Setup& setup) : QObject(setup.window), setup_(setup) {
    const std::pair<int, QKeySequence> keys[] = {{command::WatchHand, QKeySequence(Qt::Key_W)},
                                                 {command::NextMove, QKeySequence(Qt::Key_N)},
                                                 {command::PreviousMove, QKeySequence(Qt::Key_P)},
                                                 {command::EndWatch, QKeySequence(Qt::Key_Escape)}};
    for (const auto& [id, key] : keys) {
        QAction* action = setup_.bar->action(id);
        action->setShortcut(key);
        setup_.window->addAction(action); // the key works without the menu
    }
    otherHand_ = new QAction(shownText(desktop_label::ShowOtherHand), this);
    otherHand_->setObjectName(QStringLiteral("showOtherHand"));
    otherHand_->setShortcut(QKeySequence(Qt::Key_O));
    connect(otherHand_, &QAction::triggered, this, &WatchControls::showOtherHand);
    setup_.window->addAction(otherHand_);
    QAction* last = setup_.bar->action(command::EndWatch);
    setup_.bar->addToMenu(CommandBar::Menu::View, [this, last](QMenu* view) {
        view->insertAction(last, otherHand_);
        view->insertSeparator(setup_.bar->action(command::WatchHand));
    });
    update();
}

bool WatchControls::watchCommand(int id) {
    return id >= command::WatchHand && id <= command::EndWatch;
}

void WatchControls::update() {
    const bool watching = setup_.shell->review().active();
    const bool network = setup_.networkGame && setup_.networkGame();
    setup_.bar->setWatching(watching);
    setup_.bar->action(command::WatchHand)
        ->setEnabled(!watching && !network && !watchableHands(setup_.shell->game()).empty());
    otherHand_->setEnabled(watching);
}

void WatchControls::showOtherHand() const {
    const HandReview& review = setup_.shell->review();
    if (!review.active()) return;
    QStringList names;
    for (const Card c : review.otherHand()) names << shownText(stringText(cardName(c)));
    setup_.tell(shownText(desktop_label::OtherHand).arg(names.join(QStringLiteral(", "))));
}

} // namespace tarmigo
