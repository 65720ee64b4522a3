#pragma once
// The moves of the hand in words (View > Moves): a small window beside the board that
// lists what was said, newest last, as a list a screen reader reads line by line. It
// stays open while the game goes on and follows each new sentence.
#include "board/sentence.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QListWidget;

namespace tarmigo {

// The sentences of the hand in progress; kept by the window, not in the saved game.
// They are kept as sentences and worded when read, in the language shown.
class MoveLog {
  public:
    void add(const Sentence& sentence) { sentences_.push_back(sentence); }
    void clear() { sentences_.clear(); }
    int size() const { return int(sentences_.size()); }
    QString line(int i) const;
    QStringList lines() const;
    QString last() const { return sentences_.empty() ? QString() : line(size() - 1); }
    // An Undo: the player's own last move ("You play ...", or the last move between two
    // players) worded, and it and what followed it dropped; empty when there is none.
    QString takeBack();

  private:
    std::vector<Sentence> sentences_;
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
