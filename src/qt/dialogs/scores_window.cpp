#include "qt/dialogs/scores_window.h"

#include "qt/platform/translation.h"

#include "app/commands.h"
#include "game/strings.h"
#include "qt/desktop_labels.h"
#include "qt/dialogs/figures_table.h"
#include "qt/platform/ui_scale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace tarmigo {
namespace {

// The rows from "Hand Score" on stand a little apart from the make-up above them.
constexpr int FirstTotalRow = 9;

QString qtext(const char* s) {
    return shownText(s);
}

const char* const ResultLine = "tarmigoResultLine";

// The hand's result is the dialog's description, which a reader says as the dialog opens.
// A reader says the dialog's loose labels of three words or more too ("Player 2 Wins!",
// "L'ordinateur gagne !"), so the line that shows the result is read as a heading: still
// there to read, said once.
class ResultHeading : public QAccessibleWidget {
  public:
    explicit ResultHeading(QLabel* line) : QAccessibleWidget(line, QAccessible::Heading) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const QLabel*>(object())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* resultFactory(const QString&, QObject* object) {
    auto* line = qobject_cast<QLabel*>(object);
    return line && line->property(ResultLine).toBool() ? new ResultHeading(line) : nullptr;
}

} // namespace

ScoresWindow::ScoresWindow(const ScoresContent& content, int zoom, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(qtext(desktop_label::ScoresTitle));
    setFont(uiFont(zoom));

    auto* grid = new QGridLayout(this);
    const int gap = 4 * zoom;
    grid->setHorizontalSpacing(4 * gap);
    grid->setVerticalSpacing(gap / 2);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;

    const QStringList captions = {
        content.twoPlayers ? qtext(stringText(text::Player1)) : qtext(label::You),
        content.twoPlayers ? qtext(stringText(text::Player2)) : qtext(label::Computer)};
    QStringList rows;
    for (const char* row : label::ScoreRows) rows << qtext(row);
    QTableWidget* table = makeFiguresTable(captions, rows, this);
    table->setObjectName(QStringLiteral("scores"));
    table->setAccessibleName(qtext(desktop_label::ScoresTitle));
    for (int r = 0; r < ScoresContent::Rows; ++r)
        for (int p = 0; p < 2; ++p) setFigure(table, r, p, QString::number(content.values[r][p]));
    fitFiguresTable(table);
    int row = 0;
    grid->addWidget(table, row++, 0, 1, 3);
    grid->setRowMinimumHeight(row++, gap);

    const char* result = content.resultId ? stringText(content.resultId) : nullptr;
    auto* resultLine = new QLabel(this);
    resultLine->setObjectName(QStringLiteral("result"));
    static const bool readAsHeading = [] {
        QAccessible::installFactory(resultFactory);
        return true;
    }();
    // Marked before its text is set: a reader's first look at the line is then a heading's.
    resultLine->setProperty(ResultLine, readAsHeading);
    resultLine->setText(qtext(result ? result : ""));
    QFont bold = resultLine->font();
    bold.setBold(true);
    resultLine->setFont(bold);
    grid->addWidget(resultLine, row++, 0, 1, 3, left);

    auto* newHand = new QPushButton(this);
    newHand->setObjectName(QStringLiteral("newHand"));
    newHand->setText(content.button == ScoresButton::NewGame
                         ? qtext(stringText(text::NewGameButton))
                         : qtext(label::NewHand));
    newHand->setAutoDefault(false);
    // Shown only at the end of a hand.
    newHand->setVisible(content.button != ScoresButton::Hidden);
    auto* doneButton = new QPushButton(qtext(desktop_label::Done), this);
    doneButton->setObjectName(QStringLiteral("done"));
    doneButton->setDefault(true);
    doneButton->setFocus(); // Tab leads to the table, whose arrows go from figure to figure
    // The result is heard as the dialog opens: a reader says a dialog's description.
    setAccessibleDescription(resultLine->text());
    auto* buttons = new QHBoxLayout;
    if (!content.watchable.empty()) buttons->addWidget(watchButton(content.watchable));
    buttons->addStretch(1);
    buttons->addWidget(newHand);
    buttons->addWidget(doneButton);
    grid->addLayout(buttons, row, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    scaleToZoom(this, zoom);
    narrowToWindow(this, grid, table, zoom);
    // The totals from "Hand Score" on stand a little apart from the make-up above them.
    setRowApart(table, FirstTotalRow, gap);

    connect(newHand, &QPushButton::clicked, this, [this] { done(dialog::NewHand); });
    connect(doneButton, &QPushButton::clicked, this, [this] { done(dialog::Done); });
}

QPushButton* ScoresWindow::watchButton(const std::vector<int>& hands) {
    // The newest hand at once; the others, where kept, from the button's menu.
    auto* watch = new QPushButton(qtext(desktop_label::WatchHandAgain), this);
    watch->setObjectName(QStringLiteral("watchHand"));
    watch->setAutoDefault(false);
    if (hands.size() == 1) {
        connect(watch, &QPushButton::clicked, this, [this] { done(dialog::WatchHand); });
        return watch;
    }
    auto* menu = new QMenu(watch);
    for (std::size_t i = 0; i < hands.size(); ++i)
        menu->addAction(qtext(desktop_label::WatchHandNumber).arg(hands[i]), this,
                        [this, i] { done(dialog::WatchHand + int(i)); });
    watch->setMenu(menu);
    return watch;
}

void ScoresWindow::reject() {
    done(dialog::Cancel);
}

} // namespace tarmigo
