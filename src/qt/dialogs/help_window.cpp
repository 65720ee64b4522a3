#include "qt/dialogs/help_window.h"

#include "qt/platform/translation.h"

#include "qt/desktop_labels.h"
#include "qt/platform/ui_scale.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tarmigo {

HelpWindow::HelpWindow(const QUrl& page, int zoom, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)), zoom_(zoom) {
    setWindowTitle(shownText(desktop_label::HelpTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    // Tool buttons, as narrow as their words: the three fit the game's window at zoom 1.
    auto* back = new QToolButton(this);
    back->setText(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Back")));
    auto* forward = new QToolButton(this);
    forward->setText(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Forward")));
    auto* close = new QPushButton(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Close")), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    // Links to other pages of the help stay here; links out of it go to the desktop.
    browser_->setOpenExternalLinks(true);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    browser_->setSource(page);
    scaleToZoom(this, zoom);
    resize(sizeAt(zoom));
}

QSize HelpWindow::sizeHint() const {
    return sizeAt(zoom_);
}

QSize HelpWindow::sizeAt(int zoom) {
    // The game's window, room left for the frame.
    return {ScreenWidth * zoom - DialogFrameWidth, ScreenHeight * zoom};
}

} // namespace tarmigo
