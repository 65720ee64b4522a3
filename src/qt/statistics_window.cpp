#include "qt/statistics_window.h"

#include "qt/translation.h"

#include "game/strings.h"
#include "qt/desktop_labels.h"
#include "qt/kept_statistics.h"
#include "qt/network_labels.h"
#include "qt/ui_scale.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tarmigo {
namespace {

namespace dl = desktop_label;

QString qtext(const char* s) {
    return shownText(s);
}

QString number(std::uint32_t n) {
    return QString::number(n);
}

// One row of the table: its label and how its figure is shown.
struct Row {
    const char* label;
    QString (*shown)(const Figures&);
};

const Row Rows[] = {
    {dl::GamesPlayed, [](const Figures& f) { return number(f.games); }},
    {label::ScoreRows[11], [](const Figures& f) { return number(f.gamesWon); }}, // "Games Won"
    {dl::ShareWon, [](const Figures& f) { return qtext(dl::Percent).arg(f.percentWon()); }},
    {dl::LongestStreak, [](const Figures& f) { return number(f.longestStreak); }},
    {dl::CurrentStreak, [](const Figures& f) { return number(f.currentStreak); }},
    {dl::HandsPlayed, [](const Figures& f) { return number(f.hands); }},
    {dl::HandsWon, [](const Figures& f) { return number(f.handsWon); }},
    {dl::BestHand, [](const Figures& f) { return number(f.bestHand); }},
    {dl::MeanHand, [](const Figures& f) { return number(f.meanHandScore()); }},
    {dl::CoupsFourres, [](const Figures& f) { return number(f.coupsFourres); }},
    {dl::TripsCompleted, [](const Figures& f) { return number(f.tripsCompleted); }},
    {dl::ShutOuts, [](const Figures& f) { return number(f.shutOuts); }},
};
constexpr int RowCount = int(std::size(Rows));

QString columnCaption(Opponent o) {
    switch (o) {
    case Opponent::Easy: return qtext(stringText(text::Easy));
    case Opponent::Hard: return qtext(stringText(text::Hard));
    case Opponent::Expert: return qtext(dl::Expert);
    case Opponent::TwoPlayers: return qtext(dl::TwoPlayers);
    case Opponent::Network: break;
    }
    return qtext(network_label::Column);
}

} // namespace

StatisticsWindow::StatisticsWindow(KeptStatistics& statistics, int zoom, QWidget* parent)
    : QDialog(parent), statistics_(statistics), zoom_(zoom) {
    setWindowTitle(qtext(dl::StatisticsTitle));
    setFont(uiFont(zoom));

    auto* grid = new QGridLayout(this);
    const int gap = 4 * zoom;
    grid->setHorizontalSpacing(3 * gap);
    grid->setVerticalSpacing(gap / 2);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    for (int o = 0; o < OpponentCount; ++o)
        grid->addWidget(new QLabel(columnCaption(Opponent(o)), this), 0, 1 + o, right);
    for (int r = 0; r < RowCount; ++r) {
        grid->addWidget(new QLabel(qtext(Rows[r].label), this), 1 + r, 0);
        for (int o = 0; o < OpponentCount; ++o) {
            auto* value = new QLabel(this);
            value->setObjectName(QStringLiteral("value%1_%2").arg(r).arg(o));
            grid->addWidget(value, 1 + r, 1 + o, right);
            values_.push_back(value);
        }
    }
    grid->setRowMinimumHeight(1 + RowCount, gap);
    auto* note = new QLabel(
        qtext(dl::TwoPlayersNote) + QLatin1Char(' ') + qtext(network_label::StatisticsNote), this);
    note->setWordWrap(true);
    grid->addWidget(note, 2 + RowCount, 0, 1, 1 + OpponentCount);

    auto* resetButton = new QPushButton(qtext(dl::Reset), this);
    resetButton->setObjectName(QStringLiteral("reset"));
    resetButton->setAutoDefault(false);
    auto* doneButton = new QPushButton(qtext(dl::Done), this);
    doneButton->setObjectName(QStringLiteral("done"));
    doneButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton);
    buttons->addStretch(1);
    buttons->addWidget(doneButton);
    grid->addLayout(buttons, 3 + RowCount, 0, 1, 1 + OpponentCount);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(resetButton, &QPushButton::clicked, this, [this] { askReset(); });
    connect(doneButton, &QPushButton::clicked, this, &QDialog::accept);
    showFigures();
    scaleToZoom(this, zoom);
}

void StatisticsWindow::showFigures() {
    Statistics figures;
    for (int o = 0; o < OpponentCount; ++o)
        figures[std::size_t(o)] = statistics_.figures(Opponent(o));
    // The labels were made row by row, a column at a time.
    auto label = values_.begin();
    for (const Row& row : Rows)
        for (const Figures& f : figures) (*label++)->setText(row.shown(f));
}

void StatisticsWindow::askReset() {
    auto* box =
        new QMessageBox(QMessageBox::Question, qtext(label::ProgramName),
                        qtext(dl::ResetStatistics), QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    scaleToZoom(box, zoom_);
    connect(box, &QDialog::finished, this, [this, box] {
        if (box->clickedButton() != box->button(QMessageBox::Yes)) return;
        statistics_.reset();
        showFigures();
    });
    box->open();
}

} // namespace tarmigo
