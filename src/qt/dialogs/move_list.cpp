#include "qt/dialogs/move_list.h"

#include "qt/platform/translation.h"

#include "qt/desktop_labels.h"
#include "qt/dialogs/figures_table.h"
#include "qt/platform/ui_scale.h"

#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace tarmigo {

QString MoveLog::line(int i) const {
    return shownSentence(sentences_.at(std::size_t(i)));
}

QStringList MoveLog::lines() const {
    QStringList lines;
    for (int i = 0; i < size(); ++i) lines << line(i);
    return lines;
}

QString MoveLog::takeBack() {
    const auto own = [](const Sentence& s) {
        return s.pattern == text::YouPlay || s.pattern == text::YouPlayOn ||
               s.pattern == text::YouDiscard || s.pattern == text::YouCoupFourre;
    };
    auto at = std::find_if(sentences_.rbegin(), sentences_.rend(), own);
    if (at == sentences_.rend()) at = sentences_.rbegin();
    if (at == sentences_.rend()) return {};
    QString taken = shownSentence(*at);
    sentences_.erase(std::next(at).base(), sentences_.end());
    return taken;
}

MoveListWindow::MoveListWindow(const MoveLog& log, int zoom, QWidget* parent)
    : QDialog(parent), log_(log), zoom_(zoom), list_(new QListWidget(this)) {
    setWindowTitle(shownText(desktop_label::MovesTitle));
    setModal(false);
    setFont(uiFont(zoom));
    list_->setObjectName(QStringLiteral("moves"));
    list_->setAccessibleName(shownText(desktop_label::Moves));
    list_->setWordWrap(true);
    sayItemOnFocus(list_);
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
    // Only what was added is worded and appended, so that a reader's place in the list stays.
    if (list_->count() > log_.size()) list_->clear();
    for (int i = list_->count(); i < log_.size(); ++i) list_->addItem(log_.line(i));
    if (list_->count() > 0) list_->setCurrentRow(list_->count() - 1);
}

} // namespace tarmigo
