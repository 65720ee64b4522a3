#pragma once
// A yes/no question of the window: in front of whatever it follows, no wider than the
// game's window (or the screen, where the window is wider), with Enter on the answer
// that keeps what the player has.
#include <QMessageBox>

namespace tarmigo {

// What Enter answers: Yes, or No for a question whose Yes gives something up (a game,
// the scores, the statistics).
enum class Enter : bool { Yes, No };

class QuestionBox : public QMessageBox {
  public:
    // A question over `parent` (over the dialog open on it, if any), its controls at the
    // zoom; it deletes itself once closed.
    QuestionBox(const QString& text, Enter enter, int zoom, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // No wider than the game's window, or the screen.
    void narrow();
};

// The window a question or a dialog of `widget` belongs over: the modal dialog open in
// front of the game's window, or the window itself.
QWidget* frontOf(QWidget* widget);

} // namespace tarmigo
