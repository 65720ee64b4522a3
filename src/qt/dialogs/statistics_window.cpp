#include "qt/dialogs/statistics_window.h"

#include "qt/platform/translation.h"

#include "game/strings.h"
#include "qt/desktop_labels.h"
#include "qt/dialogs/figures_table.h"
#include "qt/dialogs/question_box.h"
#include "qt/network/network_labels.h"
#include "qt/platform/kept_statistics.h"
#include "qt/platform/ui_scale.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

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
    QStringList columns;
    for (int o = 0; o < OpponentCount; ++o) columns << columnCaption(Opponent(o));
    QStringList rows;
    for (const Row& row : Rows) rows << qtext(row.label);
    table_ = makeFiguresTable(columns, rows, this);
    table_->setObjectName(QStringLiteral("figures"));
    table_->setAccessibleName(qtext(dl::StatisticsTitle));
    grid->addWidget(table_, 0, 0, 1 + RowCount, 1 + OpponentCount);
    grid->setRowMinimumHeight(1 + RowCount, gap);
    auto* note = new QLabel(
        qtext(dl::TwoPlayersNote) + QLatin1Char(' ') + qtext(network_label::StatisticsNote), this);
    note->setWordWrap(true);
    // The note wraps to the table's width instead of widening the window.
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(note, 2 + RowCount, 0, 1, 1 + OpponentCount);

    auto* resetButton = new QPushButton(qtext(dl::Reset), this);
    resetButton->setObjectName(QStringLiteral("reset"));
    resetButton->setAutoDefault(false);
    auto* doneButton = new QPushButton(qtext(dl::Done), this);
    doneButton->setObjectName(QStringLiteral("done"));
    doneButton->setDefault(true);
    doneButton->setFocus(); // Tab leads to the table, whose arrows go from figure to figure
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
    tight_ = narrowToWindow(this, grid, table_, zoom);
}

void StatisticsWindow::showFigures() {
    Statistics figures;
    for (int o = 0; o < OpponentCount; ++o)
        figures[std::size_t(o)] = statistics_.figures(Opponent(o));
    for (int r = 0; r < RowCount; ++r)
        for (int o = 0; o < OpponentCount; ++o)
            setFigure(table_, r, o, Rows[r].shown(figures[std::size_t(o)]));
    fitFiguresTable(table_, tight_);
}

void StatisticsWindow::askReset() {
    auto* box = new QuestionBox(qtext(dl::ResetStatistics), Enter::No, zoom_, this);
    connect(box, &QDialog::finished, this, [this, box] {
        if (box->clickedButton() != box->button(QMessageBox::Yes)) return;
        statistics_.reset();
        showFigures();
        if (onReset) onReset(qtext(dl::StatisticsReset));
    });
    box->open();
}

} // namespace tarmigo
