#include "qt/dialogs/options_window.h"

#include "qt/platform/translation.h"

#include "app/commands.h"
#include "app/options_dialog.h"
#include "game/strings.h"
#include "qt/desktop_labels.h"
#include "qt/dialogs/spoken_choice.h"
#include "qt/platform/ui_scale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <span>
#include <vector>

namespace tarmigo {
namespace {

QString qtext(const char* s) {
    return shownText(s);
}

QComboBox* makeList(QWidget* parent, const char* name, std::span<const int> items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    speakChoice(list); // before its first item: a reader may ask about it from then on
    for (int id : items) list->addItem(qtext(stringText(id)));
    return list;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const char* label, bool checked) {
    auto* box = new QCheckBox(qtext(label), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

} // namespace

OptionsWindow::OptionsWindow(OptionsDialog& model, int zoom, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(qtext(desktop_label::OptionsTitle));
    setFont(uiFont(zoom));

    difficulty_ = makeList(this, "difficulty", OptionsDialog::DifficultyTexts);
    play_ = makeList(this, "toPlay", OptionsDialog::PlayTexts);
    discard_ = makeList(this, "toDiscard", OptionsDialog::DiscardTexts);
    sortCards_ = makeCheck(this, "sortCards", label::SortCards, model.sortCards);
    playSounds_ = makeCheck(this, "playSounds", label::PlaySounds, model.playSounds);
    animation_ = makeCheck(this, "animation", label::Animation, model.animation());
    showPlayable_ = makeCheck(this, "showPlayable", label::ShowPlayable, model.showPlayable);
    showTips_ = makeCheck(this, "showTips", label::ShowTips, model.showTips);

    speed_ = new QSlider(Qt::Horizontal, this);
    speed_->setObjectName(QStringLiteral("speed"));
    speed_->setAccessibleName(qtext(desktop_label::AnimationSpeed));
    speed_->setRange(0, OptionsDialog::SliderMax);
    speed_->setTickPosition(QSlider::NoTicks);
    // Hiding the slider must not make the dialog jump.
    QSizePolicy keepPlace = speed_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    speed_->setSizePolicy(keepPlace);

    reset_ = new QPushButton(qtext(label::ResetScores), this);
    reset_->setObjectName(QStringLiteral("resetScores"));
    reset_->setAutoDefault(false);
    auto* done = new QPushButton(qtext(desktop_label::Done), this);
    done->setObjectName(QStringLiteral("done"));
    done->setDefault(true);

    const std::pair<const char*, QComboBox*> lists[] = {
        {label::Difficulty, difficulty_}, {label::ToPlay, play_}, {label::ToDiscard, discard_}};
    std::vector<QLabel*> names;
    for (const auto& [caption, list] : lists) {
        auto* name = new QLabel(qtext(caption), this);
        // Tied both ways: the label names the list; its item is its value (speakChoice).
        name->setBuddy(list);
        list->setAccessibleName(name->text());
        names.push_back(name);
    }
    // Each list beside its label, or under it where that would be wider than the game.
    const auto lay = [&](bool stacked) {
        auto* grid = new QGridLayout(this);
        const int gap = 4 * zoom;
        grid->setVerticalSpacing(gap);
        grid->setHorizontalSpacing(3 * gap);
        int row = 0;
        for (std::size_t i = 0; i < std::size(lists); ++i) {
            grid->addWidget(names[i], row, 0, 1, stacked ? 2 : 1);
            row += stacked ? 1 : 0;
            grid->addWidget(lists[i].second, row++, stacked ? 0 : 1, 1, stacked ? 2 : 1);
        }
        grid->setRowMinimumHeight(row++, gap);
        grid->addWidget(sortCards_, row++, 0, 1, 2);
        grid->addWidget(playSounds_, row++, 0, 1, 2);
        grid->addWidget(animation_, row, 0);
        grid->addWidget(speed_, row++, 1);
        grid->addWidget(showPlayable_, row++, 0, 1, 2);
        grid->addWidget(showTips_, row++, 0, 1, 2);
        grid->setRowMinimumHeight(row++, gap);
        grid->addWidget(reset_, row, 0, Qt::AlignLeft);
        grid->addWidget(done, row, 1, Qt::AlignRight);
        grid->setSizeConstraint(QLayout::SetFixedSize);
    };
    lay(false);

    // Tab follows the layout, top to bottom (the slider was made after the check boxes).
    QWidget* const order[] = {difficulty_, play_,      discard_, sortCards_,
                              playSounds_, animation_, speed_,   showPlayable_,
                              showTips_,   reset_,     done};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    showModel();

    connect(difficulty_, &QComboBox::currentIndexChanged, this, [this](int item) {
        model_.chooseDifficulty(item);
        showModel();
    });
    connect(play_, &QComboBox::currentIndexChanged, this, [this](int item) {
        model_.choosePlay(item);
        showModel();
    });
    connect(discard_, &QComboBox::currentIndexChanged, this, [this](int item) {
        model_.chooseDiscard(item);
        showModel();
    });
    connect(sortCards_, &QCheckBox::toggled, this, [this](bool on) { model_.sortCards = on; });
    connect(playSounds_, &QCheckBox::toggled, this, [this](bool on) { model_.playSounds = on; });
    connect(showPlayable_, &QCheckBox::toggled, this,
            [this](bool on) { model_.showPlayable = on; });
    connect(showTips_, &QCheckBox::toggled, this, [this](bool on) { model_.showTips = on; });
    connect(animation_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setAnimation(on);
        showModel();
    });
    connect(speed_, &QSlider::valueChanged, this,
            [this](int position) { model_.moveSlider(position); });
    connect(reset_, &QPushButton::clicked, this,
            [this] { model_.pressResetScores([this] { showModel(); }); });
    connect(done, &QPushButton::clicked, this, &OptionsWindow::accept);
    scaleToZoom(this, zoom);
    if (!fitsGameWindow(this, zoom)) {
        delete layout();
        lay(true);
    }
}

void OptionsWindow::showModel() {
    // The controls mirror the model; their own signals must not feed back into it.
    const QSignalBlocker blocks[] = {QSignalBlocker(difficulty_), QSignalBlocker(play_),
                                     QSignalBlocker(discard_), QSignalBlocker(speed_)};
    difficulty_->setCurrentIndex(model_.difficulty());
    play_->setCurrentIndex(model_.playItem());
    discard_->setCurrentIndex(model_.discardItem());
    discard_->setEnabled(model_.discardEnabled());
    speed_->setValue(model_.sliderPosition());
    speed_->setVisible(model_.sliderVisible());
    reset_->setEnabled(model_.resetEnabled());
}

void OptionsWindow::accept() {
    model_.done();
    done(dialog::Done);
}

void OptionsWindow::reject() {
    model_.cancel();
    done(dialog::Cancel);
}

} // namespace tarmigo
