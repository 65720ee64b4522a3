#include "qt/dialogs/help_window.h"

#include "qt/platform/translation.h"

#include "qt/desktop_labels.h"
#include "qt/platform/ui_scale.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace tarmigo {
namespace {

constexpr int LinkRole = Qt::UserRole;        // the anchor a line of the contents points to
constexpr int HeadingRole = Qt::UserRole + 1; // a heading's level

// A cell's text on one line (a cell may hold several paragraphs).
QString cellText(const QTextTableCell& cell) {
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it)
        if (const QString t = it.currentBlock().text().simplified(); !t.isEmpty()) parts << t;
    return parts.join(QLatin1Char(' '));
}

// A table's rows below its heading row, each one line: "Card: 25 miles, Copies: 10, ...".
// A cell that spans rows is read with each of them.
QStringList tableRows(QTextTable* table) {
    QStringList headings;
    QStringList rows;
    for (int c = 0; c < table->columns(); ++c) headings << cellText(table->cellAt(0, c));
    for (int r = 1; r < table->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c) continue; // the rest of a cell spanning columns
            const QString text = cellText(cell);
            cells << (headings.value(c).isEmpty() ? text
                                                  : headings[c] + QStringLiteral(": ") + text);
        }
        rows << cells.join(QStringLiteral(", "));
    }
    return rows;
}

} // namespace

HelpWindow::HelpWindow(const QUrl& page, int zoom, QWidget* parent)
    : QDialog(parent), outline_(new QTreeWidget(this)), zoom_(zoom) {
    setWindowTitle(shownText(desktop_label::HelpTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* close = new QPushButton(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Close")), this);
    close->setAutoDefault(false); // Enter follows a link of the contents
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    outline_->setHeaderHidden(true);
    outline_->setWordWrap(true);
    outline_->setUniformRowHeights(false);
    outline_->setTextElideMode(Qt::ElideNone);
    outline_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outline_->setIndentation(0); // the headings' type tells the levels; the width is the text's
    outline_->setAccessibleName(windowTitle());
    outline_->installEventFilter(this);
    connect(outline_, &QTreeWidget::itemActivated, this, &HelpWindow::follow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(outline_);
    layout->addLayout(buttons);
    load(page);
    scaleToZoom(this, zoom);
    resize(sizeAt(zoom));
}

void HelpWindow::load(const QUrl& page) {
    QFile file(page.toLocalFile());
    QTextDocument doc;
    if (file.open(QIODevice::ReadOnly)) doc.setHtml(QString::fromUtf8(file.readAll()));
    // Each heading holds the lines after it, up to the next heading of its level or above.
    std::vector<std::pair<int, QTreeWidgetItem*>> open;
    const auto add = [&](const QString& text, int level) {
        while (!open.empty() && level > 0 && open.back().first >= level) open.pop_back();
        QTreeWidgetItem* under = open.empty() ? nullptr : open.back().second;
        auto* item =
            under ? new QTreeWidgetItem(under, {text}) : new QTreeWidgetItem(outline_, {text});
        if (level > 0) {
            item->setData(0, HeadingRole, level);
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
            open.emplace_back(level, item);
        }
        return item;
    };
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            for (const QString& row : tableRows(table)) add(row, 0);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        QString text = block.text().simplified();
        if (text.isEmpty()) continue;
        if (block.textList() && !text.front().isDigit()) text.prepend(QStringLiteral("\u2022 "));
        QTreeWidgetItem* item = add(text, block.blockFormat().headingLevel());
        for (auto f = block.begin(); !f.atEnd(); ++f) {
            const QTextCharFormat format = f.fragment().charFormat();
            for (const QString& name : format.anchorNames()) anchors_.insert(name, item);
            if (const QString href = format.anchorHref();
                href.startsWith(QLatin1Char('#')) && item->data(0, LinkRole).isNull())
                item->setData(0, LinkRole, href.mid(1));
        }
    }
    // Every section open, a line without lines under it marked as none (not "expanded").
    for (QTreeWidgetItemIterator it(outline_); *it; ++it)
        if ((*it)->childCount() > 0) (*it)->setExpanded(true);
    outline_->setCurrentItem(outline_->topLevelItem(0));
}

void HelpWindow::follow(QTreeWidgetItem* item) {
    if (!item) return;
    if (QTreeWidgetItem* to = anchors_.value(item->data(0, LinkRole).toString())) {
        outline_->setCurrentItem(to);
        outline_->scrollToItem(to, QAbstractItemView::PositionAtTop);
    }
}

bool HelpWindow::toHeading(bool forward) {
    QTreeWidgetItem* at = outline_->currentItem();
    while (at) {
        at = forward ? outline_->itemBelow(at) : outline_->itemAbove(at);
        if (at && !at->data(0, HeadingRole).isNull()) {
            outline_->setCurrentItem(at);
            return true;
        }
    }
    return false;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == outline_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_H && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
            toHeading(mods == Qt::NoModifier);
            return true;
        }
        if (key->key() == Qt::Key_Left && mods == Qt::NoModifier) {
            // To the heading of the line, not a fold: every section stays open.
            if (QTreeWidgetItem* item = outline_->currentItem(); item && item->parent())
                outline_->setCurrentItem(item->parent());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QSize HelpWindow::sizeHint() const {
    return sizeAt(zoom_);
}

QSize HelpWindow::sizeAt(int zoom) {
    // The game's window, room left for the frame (its title bar beside the window's own).
    return {ScreenWidth * zoom - DialogFrameWidth, ScreenHeight * zoom - DialogFrameWidth};
}

} // namespace tarmigo
