#include "qt/dialogs/move_list.h"

#include "qt/platform/translation.h"

#include "qt/desktop_labels.h"
#include "qt/platform/ui_scale.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace tarmigo {

QStringList MoveLog::lines() const {
    QStringList lines;
    for (const Sentence& s : sentences_) lines << shownSentence(s);
    return lines;
}

QString MoveLog::last() const {
    return sentences_.empty() ? QString() : shownSentence(sentences_.back());
}

MoveListWindow::MoveListWindow(const MoveLog& log, int zoom, QWidget* parent)
    : QDialog(parent), log_(log), zoom_(zoom), list_(new QListWidget(this)) {
    setWindowTitle(shownText(desktop_label::MovesTitle));
    setModal(false);
    setFont(uiFont(zoom));
    list_->setObjectName(QStringLiteral("moves"));
    list_->setAccessibleName(shownText(desktop_label::Moves));
    list_->setWordWrap(true);
    list_->setMinimumSize(int(200 * uiScale(zoom)), int(160 * uiScale(zoom)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    refresh();
    scaleToZoom(this, zoom);
}

QSize MoveListWindow::sizeHint() const {
    return QDialog::sizeHint().boundedTo(
        QSize(ScreenWidth * zoom_ - DialogFrameWidth, QWIDGETSIZE_MAX));
}

void MoveListWindow::refresh() {
    const QStringList lines = log_.lines();
    // Only what was added is appended, so that a reader's place in the list stays.
    if (list_->count() > lines.size()) list_->clear();
    for (int i = list_->count(); i < lines.size(); ++i) list_->addItem(lines[i]);
    if (list_->count() > 0) list_->setCurrentRow(list_->count() - 1);
}

} // namespace tarmigo
