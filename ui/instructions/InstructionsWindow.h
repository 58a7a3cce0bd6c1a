#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string_view>

#include "ui/DrawnButton.h"

class QFrame;
class QTextEdit;

namespace tessora {

// The instructions window: the instructions text in a read-only box over the tiled background,
// the drawn heading above it and the drawn back button below. It is made once and afterwards
// only hidden and shown again; while it is up the main window is disabled.
class frmAnleitung : public QWidget {
    Q_OBJECT

  public:
    // playSound plays a wave file through the main window's sound procedure; buttonPressed is
    // the flag all drawn buttons share; mainWindow is shown and enabled again on the way back.
    frmAnleitung(std::function<void(std::string_view)> playSound, ButtonPressedFlag& buttonPressed,
                 QWidget* mainWindow);

    QTextEdit* txtAnleitung() const { return txtAnleitung_; }
    DrawnButton* picButtonZurueck() const { return picButtonZurueck_; }
    QFrame* shRahmen() const { return shRahmen_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void Form_Activate();
    void picButtonZurueck_Click();
    void ReturnToMainWindow();

    std::function<void(std::string_view)> playSound_;
    QWidget* mainWindow_;
    bool loaded_ = false;

    QImage picHG_;
    QImage picAnleitung_;
    QImage picAnleitungBlack_;
    QImage background_;  // what the load steps paint on the window

    QTextEdit* txtAnleitung_ = nullptr;
    QFrame* shRahmen_ = nullptr;
    DrawnButton* picButtonZurueck_ = nullptr;
};

}  // namespace tessora
