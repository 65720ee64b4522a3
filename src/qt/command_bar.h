#pragma once
// The menu bar along the bottom of the window, under the board: the "New" and
// "View" menus and the Undo and help picture buttons.
#include <QImage>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QToolButton;

namespace tarmigo {

class LabelButton;

class CommandBar : public QWidget {
  public:
    explicit CommandBar(QWidget* parent = nullptr);

    // Every menu entry and button reports its command id here.
    std::function<void(int)> onCommand;

    // The action of a command id (4011, 4012, 4021, 4022, 4023, 4030, 4040).
    QAction* action(int commandId) const;
    QMenu* newMenu() const { return newMenu_; }
    QMenu* viewMenu() const { return viewMenu_; }
    QToolButton* undoButton() const { return undoButton_; }
    QToolButton* helpButton() const { return helpButton_; }

    void setUndoEnabled(bool enabled);
    // The bar, its texts and its pictures grow with the board.
    void setZoom(int zoom);

  private:
    QAction* addCommand(QMenu* menu, const char* label, int commandId);
    QToolButton* addMenuButton(int labelId, QMenu* menu);
    QToolButton* addPictureButton(QAction* action);

    QImage strip_;
    QMenu* newMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QToolButton* undoButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    std::vector<LabelButton*> labelButtons_;
    std::map<int, QAction*> actions_;
};

} // namespace tarmigo
