#pragma once
// The About dialog: the program's icon, name, version and web address.
#include <QDialog>

namespace tarmigo {

class AboutWindow : public QDialog {
  public:
    explicit AboutWindow(int zoom, QWidget* parent = nullptr);

    // Done closes with 1, Escape with 2.
    void reject() override;
};

} // namespace tarmigo
