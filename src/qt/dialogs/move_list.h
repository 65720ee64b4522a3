#pragma once
// The moves of the hand in words (View > Moves): a small window beside the board that
// lists what was said, newest last, as a list a screen reader reads line by line. It
// stays open while the game goes on and follows each new sentence.
#include <QDialog>
#include <QStringList>

class QListWidget;

namespace tarmigo {

// The sentences of the hand in progress; kept by the window, not in the saved game.
class MoveLog {
  public:
    void add(const QString& sentence) { lines_.append(sentence); }
    void clear() { lines_.clear(); }
    const QStringList& lines() const { return lines_; }
    QString last() const { return lines_.isEmpty() ? QString() : lines_.last(); }

  private:
    QStringList lines_;
};

class MoveListWindow : public QDialog {
  public:
    MoveListWindow(const MoveLog& log, int zoom, QWidget* parent = nullptr);
    // Shows the log as it is now, the newest line in view.
    void refresh();
    QListWidget& list() { return *list_; }
    // No wider than the game's window: long sentences wrap.
    QSize sizeHint() const override;

  private:
    const MoveLog& log_;
    int zoom_;
    QListWidget* list_;
};

} // namespace tarmigo
