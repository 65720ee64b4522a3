#pragma once
// The Scores dialog on the screen: the make-up of the hand for both players, the
// game scores and games won, and at the end of a hand the result and the button
// that starts the next hand or game.
#include "app/scores_dialog.h"

#include <QDialog>

namespace tarmigo {

class ScoresWindow : public QDialog {
  public:
    ScoresWindow(const ScoresContent& content, int zoom, QWidget* parent = nullptr);

    // Done closes with 1, "New Hand" or "New Game" with 3227, Escape with 2.
    void reject() override;
};

} // namespace tarmigo
