#pragma once
// The Statistics window: for each level of the computer and for games between two
// people, the games and hands played and won, the winning streaks and the hand
// scores, with a Reset button that asks before it forgets them.
#include <QDialog>

#include <functional>
#include <vector>

class QTableWidget;

namespace tarmigo {

class KeptStatistics;

class StatisticsWindow : public QDialog {
  public:
    StatisticsWindow(KeptStatistics& statistics, int zoom, QWidget* parent = nullptr);
    // Told the sentence that confirms a reset, for the reader.
    std::function<void(const QString&)> onReset;

  private:
    void showFigures();
    void askReset();

    KeptStatistics& statistics_;
    int zoom_;
    // The figures' labels, row by row and in each row a column at a time.
    QTableWidget* table_ = nullptr;
    bool tight_ = false; // the columns closer together, to fit the game's window
};

} // namespace tarmigo
