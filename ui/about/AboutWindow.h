#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>

class QFrame;
class QLabel;
class QPushButton;

namespace tessora {

// Opens a file or web address the way the shell's open does: owner, operation, file,
// parameters, directory, show mode; returns the shell's result code.
using ShellOpener = std::function<int(QWidget*, std::string_view, std::string_view,
                                      std::string_view, std::string_view, int)>;

// The about window: the game's name, the contact lines, the freeware notice and OK. A click on
// the home-page line opens it in the web browser. Made once, then hidden and shown again; while
// it is up the main window is disabled.
class frmCopyright : public QWidget {
    Q_OBJECT

  public:
    // playSound plays a wave file through the main window's sound procedure; mainWindow is
    // shown and enabled again by OK; openAddress opens the home page (the shell's open unless
    // another is given).
    frmCopyright(std::function<void(std::string_view)> playSound, QWidget* mainWindow,
                 ShellOpener openAddress = {});

    // Moves the window to the middle of its screen.
    void CentreOnScreen();

    QLabel* lblInfoTitel(int index) const;
    QLabel* lblCR(int index) const { return lblCR_.at(index); }
    QPushButton* cmdOK() const { return cmdOK_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void cmdOK_Click();
    void lblCR_Click(int index);
    void ReturnToMainWindow();

    std::function<void(std::string_view)> playSound_;
    QWidget* mainWindow_;
    ShellOpener openAddress_;

    QImage picHG_;
    QImage background_;  // the tiled window, painted once at load

    QLabel* lblInfoTitel0_ = nullptr;
    QLabel* lblInfoTitel3_ = nullptr;  // the title's shadow, a copy of member 0
    std::array<QLabel*, 6> lblCR_{};
    QLabel* lblFreeware_ = nullptr;
    QLabel* picInfo_ = nullptr;
    QFrame* picCRKasten_ = nullptr;
    QFrame* linWWWLinie_ = nullptr;
    std::array<QFrame*, 2> linTrennlinie_{};
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace tessora
