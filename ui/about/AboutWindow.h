#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "ui/SideWindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace tessora {

// Opens a file or web address the way the shell's open does: owner, operation, file,
// parameters, directory, show mode; returns the shell's result code.
using ShellOpener = std::function<int(QWidget*, std::string_view, std::string_view,
                                      std::string_view, std::string_view, int)>;

// The about window: the game's name, the contact lines, the freeware notice and OK. A click on
// the home-page line opens it in the web browser.
class frmCopyright : public SideWindow {
    Q_OBJECT

  public:
    // playSound plays a wave file through the main window's sound procedure; mainWindow is
    // shown and enabled again by OK; openAddress opens the home page (the shell's open unless
    // another is given). With a zoom the window is shown that many times its own size.
    frmCopyright(PlaySoundFunction playSound, QWidget* mainWindow, ShellOpener openAddress = {},
                 double zoom = 1);

    QLabel* lblCR(int index) const { return lblCR_.at(index); }
    QPushButton* cmdOK() const { return cmdOK_; }
    QLabel* picZXLogo() const { return picZXLogo_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void PaintPictures() override;

  private:
    void BuildControls();
    // A style sheet with its border width and corner radius at the zoom.
    QString ZoomedStyle(const char* style) const;
    void Form_Load() override;
    void lblCR_Click(int index);

    ShellOpener openAddress_;

    QLabel* lblInfoTitel0_ = nullptr;
    QLabel* lblInfoTitel3_ = nullptr;  // the title's shadow, a copy of member 0
    std::array<QLabel*, 6> lblCR_{};
    QLabel* lblFreeware_ = nullptr;
    QLabel* picInfo_ = nullptr;
    QFrame* picCRKasten_ = nullptr;
    QLabel* picZXLogo_ = nullptr;
    QFrame* linWWWLinie_ = nullptr;
    std::array<QFrame*, 2> linTrennlinie_{};
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace tessora
