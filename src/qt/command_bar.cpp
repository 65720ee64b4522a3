#include "qt/command_bar.h"

#include "qt/translation.h"

#include "game/host.h"
#include "game/strings.h"
#include "qt/desktop_labels.h"
#include "qt/packed_art.h"
#include "qt/ui_scale.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

#include <cmath>

namespace tarmigo {
namespace {

constexpr int PictureSize = 16; // each picture of the button strip
constexpr int UndoPicture = 0;
constexpr int HelpPicture = 1;
constexpr int BarFontPixels = 12;

QString qtext(const char* s) {
    return shownText(s);
}

} // namespace

CommandBar::CommandBar(QWidget* parent) : QWidget(parent), strip_(packedPicture("127")) {
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    newMenu_ = new QMenu(this);
    addCommand(newMenu_, label::MenuOnePlayer, command::OnePlayerGame);
    addCommand(newMenu_, label::MenuTwoPlayer, command::TwoPlayerGame);
    viewMenu_ = new QMenu(this);
    addCommand(viewMenu_, label::MenuAbout, command::About);
    addCommand(viewMenu_, label::MenuOptions, command::Options);
    addCommand(viewMenu_, label::MenuScores, command::Scores);

    QAction* undo = addCommand(nullptr, desktop_label::Undo, command::Undo);
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(false); // nothing to take back yet
    QAction* help = addCommand(nullptr, desktop_label::Help, command::Help);
    help->setShortcut(QKeySequence::HelpContents);

    layout->addWidget(addMenuButton(text::New, newMenu_));
    layout->addWidget(addMenuButton(text::View, viewMenu_));
    undoButton_ = addPictureButton(undo);
    helpButton_ = addPictureButton(help);
    layout->addWidget(undoButton_);
    layout->addWidget(helpButton_);
    layout->addStretch(1);
    setZoom(1);
}

QAction* CommandBar::addCommand(QMenu* menu, const char* label, int commandId) {
    auto* action = new QAction(qtext(label), this);
    connect(action, &QAction::triggered, this, [this, commandId] {
        if (onCommand) onCommand(commandId);
    });
    if (menu) menu->addAction(action);
    actions_[commandId] = action;
    return action;
}

QToolButton* CommandBar::addMenuButton(int labelId, QMenu* menu) {
    auto* button = new QToolButton(this);
    // The ampersand gives the menu its Alt key; the label itself stays as written.
    button->setText(QStringLiteral("&") + qtext(stringText(labelId)));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    // The menu opens upwards from the bar, over the board, unless there is no room.
    connect(button, &QToolButton::clicked, this, [button, menu] {
        const QPoint top = button->mapToGlobal(QPoint(0, 0));
        const int height = menu->sizeHint().height();
        const QScreen* screen = button->screen();
        const bool roomAbove = !screen || top.y() - height >= screen->availableGeometry().top();
        menu->popup(roomAbove ? top - QPoint(0, height)
                              : button->mapToGlobal(QPoint(0, button->height())));
    });
    return button;
}

QToolButton* CommandBar::addPictureButton(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

QAction* CommandBar::action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void CommandBar::setUndoEnabled(bool enabled) {
    actions_.at(command::Undo)->setEnabled(enabled);
}

void CommandBar::setZoom(int zoom) {
    setFixedHeight(MenuBarHeight * zoom);
    QFont barFont = QApplication::font();
    barFont.setPixelSize(BarFontPixels * zoom);
    for (QToolButton* button : findChildren<QToolButton*>()) {
        button->setFont(barFont);
        button->setFixedHeight(MenuBarHeight * zoom);
    }
    newMenu_->setFont(uiFont(zoom));
    viewMenu_->setFont(uiFont(zoom));

    // The pictures are enlarged pixel for pixel, in the screen's own pixels.
    const qreal density = devicePixelRatioF();
    const int side = PictureSize * zoom;
    const int deviceSide = int(std::lround(side * density));
    const std::pair<QToolButton*, int> pictures[] = {{undoButton_, UndoPicture},
                                                     {helpButton_, HelpPicture}};
    for (const auto& [button, index] : pictures) {
        button->setIconSize({side, side});
        button->setMinimumWidth(side + 8 * zoom);
        if (strip_.isNull()) continue; // a missing strip leaves the button without picture
        QPixmap picture = QPixmap::fromImage(
            strip_.copy(index * PictureSize, 0, PictureSize, PictureSize)
                .scaled(deviceSide, deviceSide, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        picture.setDevicePixelRatio(density);
        button->defaultAction()->setIcon(QIcon(picture));
    }
}

} // namespace tarmigo
