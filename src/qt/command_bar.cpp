#include "qt/command_bar.h"

#include "qt/translation.h"

#include "app/commands.h"
#include "game/strings.h"
#include "qt/board_font.h"
#include "qt/desktop_labels.h"
#include "qt/packed_art.h"
#include "qt/packed_text.h"
#include "qt/ui_scale.h"

#include <QAction>
#include <QHBoxLayout>
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
    QAction* help = addCommand(desktop_label::Help, command::Help);
    help->setShortcut(QKeySequence::HelpContents);

    layout->addWidget(addMenuButton(text::New, Menu::New));
    layout->addWidget(addMenuButton(text::View, Menu::View));
    undoButton_ = addPictureButton(undo);
    helpButton_ = addPictureButton(help);
    layout->addWidget(undoButton_);
    layout->addWidget(helpButton_);
    layout->addStretch(1);
    setZoom(1);
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
        lazy.menu->setFont(uiFont(zoom_));
        for (const MenuFiller& fill : lazy.fillers) fill(lazy.menu);
        lazy.fillers.clear();
    }
    return lazy.menu;
}

QToolButton* CommandBar::addMenuButton(int labelId, Menu which) {
    auto* button = new LabelButton(qtext(stringText(labelId)), this);
    labelButtons_.push_back(button);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    // The menu opens upwards from the bar, over the board, unless there is no room.
    connect(button, &QToolButton::clicked, this, [this, button, which] {
        QMenu* menu = this->menu(which);
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
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setFixedHeight(MenuBarHeight * zoom);
    for (LabelButton* button : labelButtons_) button->setZoom(zoom);
    zoom_ = zoom;
    for (const LazyMenu& lazy : menus_)
        if (lazy.menu) lazy.menu->setFont(uiFont(zoom));

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
