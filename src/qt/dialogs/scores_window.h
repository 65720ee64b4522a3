#pragma once
// The Scores dialog on the screen: the make-up of the hand for both players, the
// game scores and games won, and at the end of a hand the result and the button
// that starts the next hand or game, and the hands of the game that can be watched again.
#include "app/scores_dialog.h"

#include <QDialog>

#include <vector>

class QPushButton;

namespace tarmigo {

class ScoresWindow : public QDialog {
  public:
    ScoresWindow(const ScoresContent& content, int zoom, QWidget* parent = nullptr);

    // Done closes with 1, "New Hand" or "New Game" with 3227, Escape with 2, a hand to
    // watch again with dialog::WatchHand + its index.
    void reject() override;

  private:
    QPushButton* watchButton(const std::vector<int>& hands);
};

} // namespace tarmigo
