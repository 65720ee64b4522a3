#include "qt/command_bar.h"

#include "qt/platform/translation.h"

#include "app/commands.h"
#include "game/strings.h"
#include "qt/board/board_font.h"
#include "qt/board/packed_art.h"
#include "qt/board/packed_text.h"
#include "qt/desktop_labels.h"
#include "qt/platform/ui_scale.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace tarmigo {
namespace {

constexpr int PictureSize = 16; // each picture of the button strip
constexpr int UndoPicture = 0;
constexpr int HelpPicture = 1;
constexpr int RedoPicture = 2; // not in the strip: made from Undo's

QString qtext(const char* s) {
    return shownText(s);
}

} // namespace

// A menu button of the bar. Its label is in the board's font, drawn from the packed
// font where that has the size: showing the bar then loads no font at all, which
// keeps the start short. Where it has not, Qt draws the label in the same font.
class LabelButton : public QToolButton {
  public:
    LabelButton(const QString& label, QWidget* parent) : QToolButton(parent), label_(label) {
        // The ampersand gives the menu its Alt key; the label itself stays as written.
        setText(QStringLiteral("&") + label);
    }

    void setZoom(int zoom) {
        zoom_ = std::max(1, zoom);
        deviceZoom_ = std::max(1, int(std::lround(zoom * devicePixelRatioF())));
        packed_ = PackedText::sizeFor(deviceZoom_);
        if (!PackedText(packed_, label_).valid()) {
            packed_ = nullptr;
            setFont(boardFont(zoom));
        }
        updateGeometry();
        update();
    }

    QSize sizeHint() const override {
        if (!packed_) return QToolButton::sizeHint();
        // As a text button measures itself: the text, a space either side, the style's margins.
        const int space = PackedText(packed_, u" ").width();
        const qreal density = qreal(deviceZoom_) / zoom();
        const QSize text(
            int(std::ceil((PackedText(packed_, label_).width() + 2 * space) / density)),
            int(std::ceil(packed_->height / density)));
        QStyleOptionToolButton option;
        initStyleOption(&option);
        return style()->sizeFromContents(QStyle::CT_ToolButton, &option, text, this);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!packed_) {
            QToolButton::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.text.clear(); // the frame and the hover of the style; the label is drawn here
        painter.drawComplexControl(QStyle::CC_ToolButton, option);

        const PackedText text(packed_, label_);
        const int underline = packed_->ascent + packed_->underlinePosition;
        QImage image(std::max(1, text.width()),
                     std::max(packed_->height, underline + packed_->lineWidth),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QColor colour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                              QPalette::ButtonText);
        text.draw(image, 0, packed_->ascent, image.rect(), colour.rgb());
        // The first letter is underlined: Alt and that letter open the menu.
        const int first = PackedText(packed_, QStringView(label_).left(1)).width();
        QPainter(&image).fillRect(0, underline, first, packed_->lineWidth, colour);
        const qreal density = qreal(deviceZoom_) / zoom();
        image.setDevicePixelRatio(density);
        QPointF at((width() - image.width() / density) / 2,
                   (height() - packed_->height / density) / 2);
        if (isDown() || isChecked()) at += QPointF(1, 1);
        painter.drawImage(QPointF(std::round(at.x()), std::round(at.y())), image);
    }

  private:
    int zoom() const { return zoom_; }

    QString label_;
    const PackedFontSize* packed_ = nullptr;
    int deviceZoom_ = 1;
    int zoom_ = 1;
};

CommandBar::CommandBar(QWidget* parent) : QWidget(parent), strip_(packedPicture("127")) {
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    addCommand(label::MenuOnePlayer, command::OnePlayerGame, Menu::New);
    addCommand(label::MenuTwoPlayer, command::TwoPlayerGame, Menu::New);
    addCommand(label::MenuAbout, command::About, Menu::View);
    addCommand(label::MenuOptions, command::Options, Menu::View);
    addCommand(label::MenuScores, command::Scores, Menu::View);

    QAction* undo = addCommand(desktop_label::Undo, command::Undo);
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(false); // nothing to take back yet
    // Redo, in the View menu too; disabled until an Undo.
    QAction* redo = addCommand(desktop_label::Redo, command::Redo, Menu::View);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setEnabled(false);
    QAction* help = addCommand(desktop_label::Help, command::Help);
    help->setShortcut(QKeySequence::HelpContents);
    addCommand(desktop_label::WatchHandAgain, command::WatchHand, Menu::View);
    QAction* previous = addCommand(desktop_label::PreviousMove, command::PreviousMove, Menu::View);
    QAction* next = addCommand(desktop_label::NextMove, command::NextMove, Menu::View);
    QAction* back = addCommand(desktop_label::BackToGame, command::EndWatch, Menu::View);

    layout->addWidget(addMenuButton(text::New, Menu::New));
    layout->addWidget(addMenuButton(text::View, Menu::View));
    undoButton_ = addPictureButton(undo);
    redoButton_ = addPictureButton(redo);
    helpButton_ = addPictureButton(help);
    layout->addWidget(undoButton_);
    layout->addWidget(redoButton_);
    previousButton_ = addPictureButton(previous);
    nextButton_ = addPictureButton(next);
    backButton_ = addPictureButton(back);
    backButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(helpButton_);
    layout->addWidget(previousButton_);
    layout->addWidget(nextButton_);
    layout->addWidget(backButton_);
    for (QToolButton* button : findChildren<QToolButton*>()) takeFocus(button);
    layout->addStretch(1);
    setZoom(1);
    setWatching(false);
}

void CommandBar::setWatching(bool watching) {
    bool focused = false;
    for (QToolButton* button : {previousButton_, nextButton_, backButton_}) {
        focused = focused || button->hasFocus();
        button->setVisible(watching);
        button->defaultAction()->setEnabled(watching);
    }
    undoButton_->setVisible(!watching);
    redoButton_->setVisible(!watching);
    if (!watching && focused && onDone) onDone();
}

QAction* CommandBar::addCommand(const char* label, int commandId, std::optional<Menu> entry) {
    auto* action = new QAction(qtext(label), this);
    connect(action, &QAction::triggered, this, [this, commandId] {
        if (onCommand) onCommand(commandId);
    });
    actions_[commandId] = action;
    if (entry) addToMenu(*entry, [action](QMenu* menu) { menu->addAction(action); });
    return action;
}

void CommandBar::addToMenu(Menu which, MenuFiller filler) {
    LazyMenu& lazy = menus_[int(which)];
    if (lazy.menu)
        filler(lazy.menu);
    else
        lazy.fillers.push_back(std::move(filler));
}

QMenu* CommandBar::menu(Menu which) {
    LazyMenu& lazy = menus_[int(which)];
    if (!lazy.menu) {
        lazy.menu = new QMenu(this);
        for (const MenuFiller& fill : lazy.fillers) fill(lazy.menu);
        lazy.fillers.clear();
        scaleToZoom(lazy.menu, zoom_);
        lazy.menu->installEventFilter(this);
        // Also the entries of its submenus (Zoom, Language, Network Game).
        connect(lazy.menu, &QMenu::triggered, this, [this] {
            if (onDone) onDone();
        });
    }
    return lazy.menu;
}

QToolButton* CommandBar::addMenuButton(int labelId, Menu which) {
    auto* button = new LabelButton(qtext(stringText(labelId)), this);
    labelButtons_.push_back(button);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [this, which] { popUp(which); });
    return button;
}

void CommandBar::popUp(Menu which) {
    QMenu* menu = this->menu(which);
    const QToolButton* button = labelButtons_[std::size_t(which)];
    // The menu opens upwards from the bar, over the board, unless there is no room.
    const QPoint top = button->mapToGlobal(QPoint(0, 0));
    const int height = menu->sizeHint().height();
    const QScreen* screen = button->screen();
    const bool roomAbove = !screen || top.y() - height >= screen->availableGeometry().top();
    menu->popup(roomAbove ? top - QPoint(0, height)
                          : button->mapToGlobal(QPoint(0, button->height())));
}

void CommandBar::takeFocus(QToolButton* button) {
    // Not from a click: the board's keys (Space taps the status line) stay with the
    // board after the mouse has used the bar.
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(this);
    buttons_.push_back(button);
}

QToolButton* CommandBar::neighbour(QToolButton* button, int step) const {
    const auto count = int(buttons_.size());
    auto at = int(std::find(buttons_.begin(), buttons_.end(), button) - buttons_.begin());
    for (int i = 1; i < count; ++i) {
        QToolButton* next = buttons_[std::size_t((at + step * i + count) % count)];
        if (next->isEnabled() && !next->isHidden()) return next;
    }
    return button;
}

bool CommandBar::eventFilter(QObject* watched, QEvent* event) {
    // The button the keyboard is on shows it plainly, in the board's ring colour. The
    // style sheet is set when the keyboard first comes to the bar: set at the start, its
    // style engine would cost every start about 0.7 MiB of memory at rest.
    if (event->type() == QEvent::FocusIn && styleSheet().isEmpty())
        setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid rgb(0, 64, 224); }"));
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    const int k = key->key();
    const bool sideways = k == Qt::Key_Left || k == Qt::Key_Right;
    const int step = k == Qt::Key_Left ? -1 : 1;

    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        // Right opens an entry's own menu where it has one; otherwise Left and Right
        // go to the other menu of the bar, as in a menu bar.
        if (override || !sideways) return false;
        if (k == Qt::Key_Right && menu->activeAction() && menu->activeAction()->menu())
            return false;
        const Menu other = menu == menus_[int(Menu::New)].menu ? Menu::View : Menu::New;
        // The focus follows where the keyboard is on the bar, and stays on the board
        // for the mouse.
        const bool keyboard =
            std::find(buttons_.begin(), buttons_.end(), window()->focusWidget()) != buttons_.end();
        menu->close();
        if (keyboard) labelButtons_[std::size_t(other)]->setFocus(Qt::TabFocusReason);
        popUp(other);
        return true;
    }

    auto* button = qobject_cast<QToolButton*>(watched);
    const bool presses = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space;
    if (!button || !(sideways || presses)) return false;
    // The window's own shortcuts for these keys (the board's Space and Enter) wait while
    // a button of the bar has the focus.
    if (override) {
        event->accept();
        return true;
    }
    if (k == Qt::Key_Space) return false; // the button's own: pressed, then released
    if (sideways)
        neighbour(button, step)->setFocus(Qt::TabFocusReason);
    else
        button->click();
    return true;
}

QToolButton* CommandBar::addPictureButton(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

QAction* CommandBar::action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void CommandBar::setUndoEnabled(bool enabled) {
    // A disabled button passes the focus on to the next (Help): the board takes it instead.
    const bool focused = undoButton_->hasFocus();
    actions_.at(command::Undo)->setEnabled(enabled);
    if (focused && !enabled && onDone) onDone();
}

void CommandBar::setRedoEnabled(bool enabled) {
    const bool focused = redoButton_->hasFocus();
    actions_.at(command::Redo)->setEnabled(enabled);
    if (focused && !enabled && onDone) onDone();
}

void CommandBar::setZoom(int zoom) {
    setFixedHeight(MenuBarHeight * zoom);
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setFixedHeight(MenuBarHeight * zoom);
    for (LabelButton* button : labelButtons_) button->setZoom(zoom);
    zoom_ = zoom;
    for (const LazyMenu& lazy : menus_)
        if (lazy.menu) scaleToZoom(lazy.menu, zoom);

    // The pictures are enlarged pixel for pixel, in the screen's own pixels.
    const qreal density = devicePixelRatioF();
    const int side = PictureSize * zoom;
    const int deviceSide = int(std::lround(side * density));
    // Previous and Next Move wear Undo's and Redo's arrows.
    const std::pair<QToolButton*, int> pictures[] = {{undoButton_, UndoPicture},
                                                     {redoButton_, RedoPicture},
                                                     {helpButton_, HelpPicture},
                                                     {previousButton_, UndoPicture},
                                                     {nextButton_, RedoPicture}};
    for (const auto& [button, index] : pictures) {
        button->setIconSize({side, side});
        button->setMinimumWidth(side + 8 * zoom);
        if (strip_.isNull()) continue; // a missing strip leaves the button without picture
        // Redo's arrow is Undo's turned the other way.
        const int at = index == RedoPicture ? UndoPicture : index;
        QImage source = strip_.copy(at * PictureSize, 0, PictureSize, PictureSize);
        if (index == RedoPicture) source = source.mirrored(true, false);
        QPixmap picture = QPixmap::fromImage(
            source.scaled(deviceSide, deviceSide, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        picture.setDevicePixelRatio(density);
        button->defaultAction()->setIcon(QIcon(picture));
    }
}

} // namespace tarmigo
