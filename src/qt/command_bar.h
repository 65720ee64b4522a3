#pragma once
// The menu bar along the bottom of the window, under the board: the "New" and
// "View" menus and the Undo and help picture buttons.
#include <QImage>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
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
    // The keyboard is done with the bar (an entry of its menus taken, the focused Undo
    // button disabled): the window gives the focus back to the board.
    std::function<void()> onDone;

    // The action of a command id (4011, 4012, 4021, 4022, 4023, 4030, 4040 to 4045).
    QAction* action(int commandId) const;

    // The two menus are made when first opened: the start, which shows neither, is
    // spared their widgets and the code behind them. Their actions exist from the
    // start (shortcuts work at once); a filler adds entries to a menu when it is made.
    enum class Menu { New, View };
    using MenuFiller = std::function<void(QMenu*)>;
    void addToMenu(Menu which, MenuFiller filler);
    // The menu, made now if it was not yet.
    QMenu* menu(Menu which);
    QToolButton* undoButton() const { return undoButton_; }
    QToolButton* redoButton() const { return redoButton_; }
    QToolButton* helpButton() const { return helpButton_; }

    void setUndoEnabled(bool enabled);
    void setRedoEnabled(bool enabled);
    // While a finished hand is watched again, its buttons (Previous Move, Next Move, Back
    // to Game) stand in place of Undo and Redo.
    void setWatching(bool watching);
    // The bar, its texts and its pictures grow with the board.
    void setZoom(int zoom);

    // Opens a menu above its button.
    void popUp(Menu which);

  protected:
    // The keys of the bar: Left and Right move between its buttons, or from one open
    // menu to the other; Enter presses a button.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct LazyMenu {
        QMenu* menu = nullptr;
        std::vector<MenuFiller> fillers;
    };

    // The action of a command, an entry of the menu given.
    QAction* addCommand(const char* label, int commandId, std::optional<Menu> entry = {});
    QToolButton* addMenuButton(int labelId, Menu which);
    QToolButton* addPictureButton(QAction* action);
    // The bar's buttons take focus from Tab alone, and keep the keys they answer.
    void takeFocus(QToolButton* button);
    // The button Left (-1) or Right (+1) of a focused one, past those disabled or hidden.
    QToolButton* neighbour(QToolButton* button, int step) const;

    QImage strip_;
    int zoom_ = 1;
    LazyMenu menus_[2];
    QToolButton* undoButton_ = nullptr;
    QToolButton* redoButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QToolButton* previousButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QToolButton* backButton_ = nullptr;
    std::vector<LabelButton*> labelButtons_; // New, View
    std::vector<QToolButton*> buttons_;      // all of them, left to right
    std::map<int, QAction*> actions_;
};

} // namespace tarmigo
