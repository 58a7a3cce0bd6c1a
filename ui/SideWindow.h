#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string_view>

#include "core/Sound.h"

namespace tessora {

// Plays a sound through the main window's sound procedure.
using PlaySoundFunction = std::function<void(Sound)>;

// What the instructions and about windows share: a window of fixed size over a tiled
// background that stands in for the main window while it is up. The main window disables
// itself when it opens one; the way back (the window's own button, or closing the window)
// enables and shows it again. Made once, then hidden and shown again.
class SideWindow : public QWidget {
    Q_OBJECT

  public:
    // Moves the window to the middle of its screen.
    void CentreOnScreen();

  protected:
    // The window's caption and its size in twips; mainWindow is the window to return to.
    SideWindow(const QString& caption, int widthTwips, int heightTwips, PlaySoundFunction playSound,
               QWidget* mainWindow);

    // The load steps: lay out, paint and fill the window. Run once, when it is first shown.
    virtual void Form_Load() = 0;

    // Paints the window's pictures at pictureRatio(): the base covers the window's background
    // picture with copies of the background tile. A window with more pictures paints them
    // after calling this. Run by the load steps, and again when the window comes to a screen of
    // another density; drawing on background() shows at the next repaint.
    virtual void PaintPictures();
    QImage& background() { return background_; }
    double pictureRatio() const { return ratio_; }

    // The back or OK button: its click, the main window enabled and shown, this window hidden.
    void ReturnWithClick();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void ReturnToMainWindow();
    void FollowScreenRatio();

    PlaySoundFunction playSound_;
    QWidget* mainWindow_;
    bool loaded_ = false;
    double ratio_;
    QImage picHG_;
    QImage background_;  // what the load steps paint on the window
};

}  // namespace tessora
