#include "qt/dialogs/figures_table.h"

#include "qt/platform/ui_scale.h"

#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

#include <functional>

namespace tarmigo {
namespace {

// The width and height a table may take at most, once its window has been fitted to the
// game's.
constexpr const char* Widest = "widest";
constexpr const char* Tallest = "tallest";

// The height a dialog may ask for beside the game's window: its title bar stands where
// the window's own does, its frame's edges take what they take at the sides.
int roomBelowTitle(int zoom) {
    return ScreenHeight * zoom - DialogFrameWidth;
}

// A list or table taking the focus names its item to a reader, not only its size, and an
// arrow at its end says the item again rather than nothing: the current item is made
// current afresh, which a reader hears.
class ItemOnFocus : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool focus = event->type() == QEvent::FocusIn;
        if (!focus && event->type() != QEvent::KeyPress) return false;
        // A view being destroyed is a view no more: its last events find a plain widget.
        auto* view = qobject_cast<QAbstractItemView*>(watched);
        if (!view) return false;
        const QModelIndex at = view->currentIndex();
        bool atEnd = false;
        if (event->type() == QEvent::KeyPress && at.isValid()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            atEnd = (key == Qt::Key_Down && at.row() + 1 == view->model()->rowCount()) ||
                    (key == Qt::Key_Up && at.row() == 0);
        }
        if (focus || atEnd)
            QTimer::singleShot(0, view, [view] {
                QModelIndex item = view->currentIndex();
                if (!item.isValid()) item = view->model()->index(0, 0);
                view->selectionModel()->setCurrentIndex(QModelIndex(),
                                                        QItemSelectionModel::NoUpdate);
                view->setCurrentIndex(item);
            });
        return atEnd;
    }
};

} // namespace

void sayItemOnFocus(QAbstractItemView* view) {
    view->installEventFilter(new ItemOnFocus(view));
}

QTableWidget* makeFiguresTable(const QStringList& columns, const QStringList& rows,
                               QWidget* parent) {
    auto* table = new QTableWidget(int(rows.size()), int(columns.size()), parent);
    table->setHorizontalHeaderLabels(columns);
    table->setVerticalHeaderLabels(rows);
    for (int c = 0; c < columns.size(); ++c)
        table->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 0; r < rows.size(); ++r)
        table->verticalHeaderItem(r)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Plain rows of text on the dialog's own background: no grid, frame or selection;
    // the arrow keys still go from figure to figure for a reader.
    table->setShowGrid(false);
    table->setFrameShape(QFrame::NoFrame);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setTabKeyNavigation(false); // Tab goes on to the buttons; the arrows read the cells
    sayItemOnFocus(table);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setCornerButtonEnabled(false);
    // The sheet says the dialog's font size too: a style sheet stops the dialog's font,
    // grown with the zoom, from reaching the table and its headings.
    const QFont font = parent->font();
    const QString size = font.pixelSize() > 0 ? QStringLiteral("%1px").arg(font.pixelSize())
                                              : QStringLiteral("%1pt").arg(font.pointSizeF());
    table->setStyleSheet(QStringLiteral("QTableWidget, QHeaderView, QHeaderView::section, "
                                        "QTableCornerButton::section "
                                        "{ background: transparent; border: none; font-size: %1; }")
                             .arg(size));
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setSectionsClickable(false);
    table->verticalHeader()->setSectionsClickable(false);
    return table;
}

void setRowApart(QTableWidget* table, int row, int gap) {
    // The room above the row: its texts keep to the bottom of the taller row.
    table->setRowHeight(row, table->rowHeight(row) + gap);
    table->verticalHeaderItem(row)->setTextAlignment(Qt::AlignLeft | Qt::AlignBottom);
    for (int c = 0; c < table->columnCount(); ++c)
        if (auto* item = table->item(row, c))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignBottom);
    table->setFixedHeight(table->height() + gap);
}

void setFigure(QTableWidget* table, int row, int column, const QString& figure) {
    auto* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    item->setText(figure);
    // A reader going down a column or along a row hears which figure it is, not "0".
    const auto heading = [](const QTableWidgetItem* h) {
        return h ? h->text().replace(QLatin1Char('\n'), QLatin1Char(' ')) : QString();
    };
    item->setData(Qt::AccessibleTextRole,
                  heading(table->verticalHeaderItem(row)) + QStringLiteral(", ") +
                      heading(table->horizontalHeaderItem(column)) + QStringLiteral(": ") + figure);
}

bool wrapHeadings(QTableWidget* table, Qt::Orientation which) {
    const bool across = which == Qt::Horizontal;
    bool wrapped = false;
    for (int i = 0; i < (across ? table->columnCount() : table->rowCount()); ++i) {
        QTableWidgetItem* h =
            across ? table->horizontalHeaderItem(i) : table->verticalHeaderItem(i);
        QString text = h ? h->text() : QString();
        if (text.contains(QLatin1Char('\n')) || !text.contains(QLatin1Char(' '))) continue;
        h->setData(Qt::AccessibleTextRole, text); // read as one line
        if (across) {
            text.replace(QLatin1Char(' '), QLatin1Char('\n')); // a word a line, under each other
        } else {
            // Two lines as even as the words allow.
            const qsizetype middle = text.size() / 2;
            const qsizetype before = text.lastIndexOf(QLatin1Char(' '), middle);
            const qsizetype after = text.indexOf(QLatin1Char(' '), middle);
            const qsizetype at =
                before < 0 || (after >= 0 && after - middle < middle - before) ? after : before;
            text[at] = QLatin1Char('\n');
        }
        h->setText(text);
        wrapped = true;
    }
    return wrapped;
}

void fitFiguresTable(QTableWidget* table, bool tight) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    const int gap = table->fontMetrics().horizontalAdvance(QLatin1Char('M')) / (tight ? 4 : 1);
    for (int c = 0; c < table->columnCount(); ++c)
        table->setColumnWidth(c, table->columnWidth(c) + gap);
    int width = table->verticalHeader()->sizeHint().width(); // its width lags till shown
    for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
    int height = table->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < table->rowCount(); ++r) height += table->rowHeight(r);
    // Shorter than its rows, it scrolls down; narrowed to its window beyond its headings'
    // wrapping, sideways (either way the arrow keys bring the figure read into view).
    const int tallest = table->property(Tallest).toInt();
    const bool down = tallest > 0 && height + 2 > tallest;
    table->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (down) width += table->verticalScrollBar()->sizeHint().width();
    const int widest = table->property(Widest).toInt();
    const bool across = widest > 0 && width + 2 > widest;
    table->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (across) height += table->horizontalScrollBar()->sizeHint().height();
    table->setFixedSize(across ? widest : width + 2, down ? tallest : height + 2);
}

namespace {

// How much wider and taller than the game's window the window at its zoom asks to be.
QSize excess(QWidget* window, QGridLayout* layout, int zoom) {
    layout->activate();
    const QSize wanted = window->sizeHint();
    return {wanted.width() - (ScreenWidth * zoom - DialogFrameWidth),
            wanted.height() - roomBelowTitle(zoom)};
}

// The table no longer than its window allows in one direction: it scrolls that way.
void scrollToFit(QWidget* window, QGridLayout* layout, QTableWidget* table, int zoom, bool tight,
                 Qt::Orientation which) {
    const QSize over = excess(window, layout, zoom);
    if (which == Qt::Vertical && over.height() > 0) {
        table->setProperty(Tallest, table->height() - over.height());
        fitFiguresTable(table, tight);
    } else if (which == Qt::Horizontal && over.width() > 0) {
        table->setProperty(Widest, table->width() - over.width());
        fitFiguresTable(table, tight);
    }
}

// The row headings broken in two by wrapHeadings on one line again.
void unwrapRowHeadings(QTableWidget* table) {
    for (int r = 0; r < table->rowCount(); ++r)
        if (QTableWidgetItem* h = table->verticalHeaderItem(r);
            h && h->text().contains(QLatin1Char('\n')))
            h->setText(h->data(Qt::AccessibleTextRole).toString());
}

} // namespace

bool narrowToWindow(QWidget* window, QGridLayout* layout, QTableWidget* table, int zoom) {
    bool tight = false;
    bool twoLineRows = false;
    const int gap = 4 * zoom;
    const std::function<void()> narrower[] = {
        [table] { wrapHeadings(table, Qt::Horizontal); },
        [&tight] { tight = true; },
        [layout, gap] {
            layout->setContentsMargins(gap, gap, gap, gap);
            layout->setHorizontalSpacing(gap);
        },
        // Last: it doubles the height.
        [table, &twoLineRows] { twoLineRows = wrapHeadings(table, Qt::Vertical); },
    };
    for (const auto& narrow : narrower) {
        if (excess(window, layout, zoom).width() <= 0) break;
        narrow();
        fitFiguresTable(table, tight);
    }
    // Rows of two lines that leave the window too tall go back to one, the table scrolling
    // sideways, where that is then short enough.
    if (twoLineRows && excess(window, layout, zoom).height() > 0) {
        unwrapRowHeadings(table);
        fitFiguresTable(table, tight);
        scrollToFit(window, layout, table, zoom, tight, Qt::Horizontal);
        if (excess(window, layout, zoom).height() <= 0) return tight;
        table->setProperty(Widest, {});
        wrapHeadings(table, Qt::Vertical);
        fitFiguresTable(table, tight);
    }
    // Still too tall, the table scrolls down; still too wide, sideways. Each scroll bar
    // takes room the other way, so the height is looked at again.
    for (const Qt::Orientation which : {Qt::Vertical, Qt::Horizontal, Qt::Vertical})
        scrollToFit(window, layout, table, zoom, tight, which);
    return tight;
}

} // namespace tarmigo
