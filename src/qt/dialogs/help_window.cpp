#include "qt/dialogs/help_window.h"

#include "qt/platform/translation.h"

#include "qt/desktop_labels.h"
#include "qt/platform/ui_scale.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarmigo {

HelpWindow::HelpWindow(const QUrl& page, int zoom, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(shownText(desktop_label::HelpTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* back = new QPushButton(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Back")), this);
    auto* forward = new QPushButton(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Forward")), this);
    auto* close = new QPushButton(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Close")), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    // Links to other pages of the help stay here; links out of it go to the desktop.
    browser_->setOpenExternalLinks(true);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

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
    resize(ScreenWidth * zoom, ScreenHeight * zoom);
}

} // namespace tarmigo
