#include "ui/SideWindow.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "ui/GamePictures.h"
#include "ui/Pictures.h"
#include "ui/Placement.h"
#include "ui/ScreenRatioWatch.h"
#include "ui/Twips.h"
#include "ui/artwork/Artwork.h"

namespace tessora {

SideWindow::SideWindow(const QString& caption, int widthTwips, int heightTwips, double zoom,
                       PlaySoundFunction playSound, QWidget* mainWindow)
    : playSound_(std::move(playSound)),
      mainWindow_(mainWindow),
      zoom_(zoom),
      layoutSize_(TwipsRect(0, 0, widthTwips, heightTwips).size()),
      ratio_(PictureRatioOf(*this, zoom)) {
    new ScreenRatioWatch(
        *this, [this] { return PictureRatioOf(*this, zoom_); }, [this] { return ratio_; },
        [this] { FollowScreenRatio(); });
    setWindowTitle(caption);
    // A dialog, not a plain window: X11 window managers read the owner (WM_TRANSIENT_FOR) only
    // from dialogs; Wayland compositors get it as the toplevel's parent either way.
    setWindowFlag(Qt::Dialog);
    setFixedSize(Scaled(QRect(QPoint(), layoutSize_), zoom_).size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SideWindow::CentreOnMainWindow() {
    const QRect around =
        mainWindow_ != nullptr ? mainWindow_->frameGeometry() : screen()->geometry();
    move(CentredIn(around, frameGeometry().size(), screen()->availableGeometry()));
}

void SideWindow::Place(QWidget* control, const QRect& layout) const {
    PlaceScaled(control, layout, zoom_);
}

int SideWindow::Zoomed(int layoutPixels) const {
    return ScaledPixels(layoutPixels, zoom_);
}

void SideWindow::PaintPictures() {
    // The tile too is painted only when the window is first shown, not when it is made.
    if (picHG_.isNull()) picHG_ = artwork::BackgroundTile(ratio_);
    background_ = NewPicture(layoutSize_, ratio_, 0xFF000000);
    TileWith(background_, picHG_);
}

void SideWindow::FollowScreenRatio() {
    // Called by the window's ratio watch once the ratio differs from the pictures'.
    ratio_ = PictureRatioOf(*this, zoom_);
    picHG_ = QImage();
    // Before the load steps there is nothing painted yet; they paint at the new ratio.
    if (!background_.isNull()) PaintPictures();
    update();
}

void SideWindow::ReturnWithClick() {
    playSound_(Sound::Klick);
    ReturnToMainWindow();
    hide();
}

void SideWindow::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    // Stay in front of the main window, which this window stands in for while it is up.
    if (mainWindow_ != nullptr && mainWindow_->windowHandle() != nullptr &&
        windowHandle() != nullptr) {
        windowHandle()->setTransientParent(mainWindow_->windowHandle());
    }
    QWidget::showEvent(event);
}

// Closed through the title bar: return to the game as the window's button does, so that the
// main window is never left disabled behind a window that has gone.
void SideWindow::closeEvent(QCloseEvent* event) {
    ReturnToMainWindow();
    event->accept();
}

void SideWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (background_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    DrawPicture(painter, background_, event->rect());
}

void SideWindow::ReturnToMainWindow() {
    if (mainWindow_ == nullptr) return;
    mainWindow_->setEnabled(true);
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

}  // namespace tessora
