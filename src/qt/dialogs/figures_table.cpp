#include "qt/dialogs/figures_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tarmigo {

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
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setCornerButtonEnabled(false);
    table->setStyleSheet(QStringLiteral("QTableWidget, QHeaderView, QHeaderView::section, "
                                        "QTableCornerButton::section "
                                        "{ background: transparent; border: none; }"));
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
    const auto heading = [](const QTableWidgetItem* h) { return h ? h->text() : QString(); };
    item->setData(Qt::AccessibleTextRole,
                  heading(table->verticalHeaderItem(row)) + QStringLiteral(", ") +
                      heading(table->horizontalHeaderItem(column)) + QStringLiteral(": ") + figure);
}

void fitFiguresTable(QTableWidget* table) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    const int gap = table->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    for (int c = 0; c < table->columnCount(); ++c)
        table->setColumnWidth(c, table->columnWidth(c) + gap);
    int width = table->verticalHeader()->width();
    for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
    int height = table->horizontalHeader()->height();
    for (int r = 0; r < table->rowCount(); ++r) height += table->rowHeight(r);
    table->setFixedSize(width + 2, height + 2);
}

} // namespace tarmigo
