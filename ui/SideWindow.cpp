#include "ui/SideWindow.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "ui/GamePictures.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/artwork/Artwork.h"

namespace tessora {

SideWindow::SideWindow(const QString& caption, int widthTwips, int heightTwips,
                       PlaySoundFunction playSound, QWidget* mainWindow)
    : playSound_(std::move(playSound)), mainWindow_(mainWindow), ratio_(PictureRatioOf(*this)) {
    setWindowTitle(caption);
    setFixedSize(TwipsRect(0, 0, widthTwips, heightTwips).size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SideWindow::CentreOnScreen() {
    const QRect screenArea = screen()->geometry();
    move(screenArea.left() + (screenArea.width() - width()) / 2,
         screenArea.top() + (screenArea.height() - height()) / 2);
}

void SideWindow::PaintPictures() {
    // The tile too is painted only when the window is first shown, not when it is made.
    if (picHG_.isNull()) picHG_ = artwork::BackgroundTile(ratio_);
    background_ = NewPicture(size(), ratio_, 0xFF000000);
    TileWith(background_, picHG_);
}

void SideWindow::FollowScreenRatio() {
    const double ratio = PictureRatioOf(*this);
    if (ratio == ratio_) return;
    ratio_ = ratio;
    picHG_ = QImage();
    // Before the load steps there is nothing painted yet; they paint at the new ratio.
    if (!background_.isNull()) PaintPictures();
    update();
}

bool SideWindow::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        QTimer::singleShot(0, this, &SideWindow::FollowScreenRatio);
    }
    return QWidget::event(event);
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
    if (PictureRatioOf(*this) != ratio_)
        QTimer::singleShot(0, this, &SideWindow::FollowScreenRatio);
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
