#pragma once
// The program's own help window: the help page in a plain rich-text browser with
// back, forward and close, for a desktop where no viewer can be started.
#include <QDialog>

class QTextBrowser;
class QUrl;

namespace tarmigo {

class HelpWindow : public QDialog {
  public:
    // The size of the game's window at a zoom, its text grown as the dialogs' is.
    HelpWindow(const QUrl& page, int zoom, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }
    QSize sizeHint() const override;

  private:
    static QSize sizeAt(int zoom);
    QTextBrowser* browser_;
    int zoom_;
};

} // namespace tarmigo
