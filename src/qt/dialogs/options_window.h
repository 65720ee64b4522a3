#pragma once
// The Options dialog on the screen. The model holds the rules (the coupling of the
// two tap lists, the slider shown only with Animation, Reset Scores); this window
// only shows its controls and hands it the player's choices.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;

namespace tarmigo {

class OptionsDialog;

class OptionsWindow : public QDialog {
  public:
    OptionsWindow(OptionsDialog& model, int zoom, QWidget* parent = nullptr);

    // Done applies and saves (1); Escape or closing the window applies nothing (2).
    void accept() override;
    void reject() override;

  private:
    void showModel();

    OptionsDialog& model_;
    QComboBox* difficulty_ = nullptr;
    QComboBox* play_ = nullptr;
    QComboBox* discard_ = nullptr;
    QCheckBox* sortCards_ = nullptr;
    QCheckBox* playSounds_ = nullptr;
    QCheckBox* animation_ = nullptr;
    QSlider* speed_ = nullptr;
    QCheckBox* showPlayable_ = nullptr;
    QCheckBox* showTips_ = nullptr;
    QPushButton* reset_ = nullptr;
};

} // namespace tarmigo
