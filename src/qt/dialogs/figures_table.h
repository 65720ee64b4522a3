#pragma once
// A table of figures with its row and column headings, as the Scores and Statistics
// windows show them: it looks like rows of plain labels, and a screen reader reads
// each figure with its row's and its column's heading.
#include <QStringList>

class QAbstractItemView;
class QGridLayout;
class QTableWidget;
class QWidget;

namespace tarmigo {

// Makes a list or table say its current item to a reader as it takes the focus, and
// again at an arrow that would go past its end (Qt names only the view there).
void sayItemOnFocus(QAbstractItemView* view);

// The figures are set with setFigure; the table takes the size of its contents.
QTableWidget* makeFiguresTable(const QStringList& columns, const QStringList& rows,
                               QWidget* parent);
void setFigure(QTableWidget* table, int row, int column, const QString& figure);
// Once the figures are in: the table as large as its contents, no scrolling; the columns
// an M apart, or a quarter of one when tight.
void fitFiguresTable(QTableWidget* table, bool tight = false);
// Breaks the headings of several words across lines (the columns' a word a line, the
// rows' in two), for a table that must be narrower; false when none could be.
bool wrapHeadings(QTableWidget* table, Qt::Orientation which);
// Fits the window that holds the table to the game's window at its zoom: the column
// headings take more lines, then the columns stand closer, the margins shrink and the
// row headings take two lines; a table still too tall scrolls down, one still too wide
// sideways. True when the columns were set closer (fit the table tight from then on).
bool narrowToWindow(QWidget* window, QGridLayout* layout, QTableWidget* table, int zoom);
// Sets a fitted table's row a gap apart from the one above it.
void setRowApart(QTableWidget* table, int row, int gap);

} // namespace tarmigo
