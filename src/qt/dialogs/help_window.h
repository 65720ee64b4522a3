#pragma once
// The program's own help window, for a desktop where no viewer can be started: the help
// page as an outline a screen reader walks a line at a time. Each heading is a branch
// holding what follows it; each paragraph, list item and table row is one line, a row
// read with its columns' headings. Up and Down go line by line, H and Shift+H from
// heading to heading, Left to the heading of the line; Enter on a line of the contents
// goes to its section.
#include <QDialog>
#include <QHash>

class QTextTable;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace tarmigo {

class HelpWindow : public QDialog {
  public:
    // The size of the game's window at a zoom, its text grown as the dialogs' is.
    HelpWindow(const QUrl& page, int zoom, QWidget* parent = nullptr);
    QTreeWidget* outline() const { return outline_; }
    QSize sizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static QSize sizeAt(int zoom);
    void load(const QUrl& page);
    // The next (or previous) heading from the current line; false at the page's end.
    bool toHeading(bool forward);
    void follow(QTreeWidgetItem* item);

    QTreeWidget* outline_;
    QHash<QString, QTreeWidgetItem*> anchors_; // the page's anchors and the lines they name
    int zoom_;
};

} // namespace tarmigo
