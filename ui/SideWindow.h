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
//
// The window belongs to the main window (it is transient for it, as an owned window is on
// Windows), so that every window manager and compositor keeps it above the main window: a
// click on the disabled main window can never hide it and leave the game looking frozen.
class SideWindow : public QWidget {
    Q_OBJECT

  public:
    // Moves the window to the middle of the main window, which fills the screen unless the game
    // plays in a window; kept within the screen's free area.
    void CentreOnMainWindow();

    // How many times its layout size the window is shown (the game's zoom).
    double zoom() const { return zoom_; }

  protected:
    // The window's caption, its size in twips and its zoom; mainWindow is the window to return
    // to.
    SideWindow(const QString& caption, int widthTwips, int heightTwips, double zoom,
               PlaySoundFunction playSound, QWidget* mainWindow);

    // Puts a control on the window's pixels that its layout rectangle covers at the zoom.
    void Place(QWidget* control, const QRect& layout) const;
    // A length of the layout (a font's pixel size, a margin) at the zoom, in whole pixels.
    int Zoomed(int layoutPixels) const;

    // The load steps: lay out, paint and fill the window. Run once, when it is first shown.
    virtual void Form_Load() = 0;

    // Paints the window's pictures at pictureRatio() (the screen's ratio times the zoom), in
    // layout pixels: the base covers the window's background picture with copies of the
    // background tile. A window with more pictures paints them
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

  private:
    void ReturnToMainWindow();
    void FollowScreenRatio();

    PlaySoundFunction playSound_;
    QWidget* mainWindow_;
    double zoom_;
    QSize layoutSize_;
    bool loaded_ = false;
    double ratio_;
    QImage picHG_;
    QImage background_;  // what the load steps paint on the window
};

}  // namespace tessora
