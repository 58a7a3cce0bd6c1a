#pragma once

#include <QImage>

#include "ui/DrawnButton.h"
#include "ui/SideWindow.h"

class QFrame;
class QTextEdit;

namespace tessora {

// The instructions window: the instructions text in a read-only box over the tiled background,
// the drawn heading above it and the drawn back button below.
class frmAnleitung : public SideWindow {
    Q_OBJECT

  public:
    // playSound plays a wave file through the main window's sound procedure; buttonPressed is
    // the flag all drawn buttons share; mainWindow is shown and enabled again on the way back.
    // With a zoom the window is shown that many times its own size.
    frmAnleitung(PlaySoundFunction playSound, ButtonPressedFlag& buttonPressed, QWidget* mainWindow,
                 double zoom = 1);

    QTextEdit* txtAnleitung() const { return txtAnleitung_; }
    DrawnButton* picButtonZurueck() const { return picButtonZurueck_; }

    // Keyboard play: the back button takes the focus (Tab from the text) and Space or Enter
    // presses it.
    void SetKeyboardPlay(bool on);

  protected:
    void showEvent(QShowEvent* event) override;
    void PaintPictures() override;

  private:
    void BuildControls();
    void Form_Load() override;
    void Form_Activate();

    QTextEdit* txtAnleitung_ = nullptr;
    QFrame* shRahmen_ = nullptr;
    DrawnButton* picButtonZurueck_ = nullptr;
};

}  // namespace tessora
