// The main window's side of the game core's shell: event loop, status line, pointer, message
// boxes, sounds, pictures and the falling-stone timer.
#include <QLabel>
#include <QRadioButton>

#include "platform/qt/EventLoop.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/Translated.h"
#include "ui/BoardView.h"
#include "ui/MainWindow.h"
#include "ui/OptionsPanel.h"
#include "ui/accessibility/StatusAnnouncer.h"
#include "ui/explain/HintMarker.h"

namespace tessora {

void frmHaupt::DoEvents() {
    tessora::DoEvents();
}

void frmHaupt::WaitForEvents(int maxMilliseconds) {
    // A clock that does not move while the thread sleeps gives nothing to wait for.
    if (!clock_.FollowsRealTime()) {
        tessora::DoEvents();
        return;
    }
    tessora::WaitForEvents(maxMilliseconds);
}

double frmHaupt::Timer() {
    return clock_.TimeOfDay();
}

void frmHaupt::SetStatusText(std::string_view text) {
    // The game compares the status text with its own table (its busy test), so it keeps the
    // German; the line shows it in the language played.
    statusText_.assign(text);
    lblStatus_->setText(Translated("Texts", text));
    // The falling stone's text comes with every stone: a screen reader is not told of it.
    if (statusAnnouncer_ && text != game_->texts().StatusStoneFalling) {
        statusAnnouncer_->StatusChanged(lblStatus_->text());
    }
}

std::string frmHaupt::StatusText() const {
    return statusText_;
}

void frmHaupt::SetStatusVisible(bool visible) {
    lblStatus_->setVisible(visible);
}

void frmHaupt::SetMousePointer(Pointer pointer) {
    switch (pointer) {
        case Pointer::Hourglass:
            setCursor(Qt::WaitCursor);
            break;
        case Pointer::Default:
            unsetCursor();
            break;
    }
}

int frmHaupt::MessageBox(std::string_view text, std::string_view title, int style) {
    const int answer = ShowMessageBox(this, Translated("Texts", text).toStdString(),
                                      Translated("Texts", title).toStdString(), style, zoom_);
    // Without a window manager nobody gives the focus back when the box goes, and keys and a
    // screen reader would lose the game.
    if (isVisible()) activateWindow();
    return answer;
}

void frmHaupt::PlaySound(Sound sound) {
    sound_.PlaySound(sound, game_->options().SoundOn);
}

PixelView frmHaupt::Surface(Picture picture) {
    if (!stonesWhitened_ && picture != Picture::Board) WhitenStones();
    return pictures_.Surface(picture);
}

void frmHaupt::RefreshBoard() {
    picSpielfeld_->update();
    // A hint holds only until the board changes.
    if (hintMarker_ != nullptr) hintMarker_->hide();
    // A stone has landed once it is drawn while none falls.
    if (!game_->flags().DropRunning && picSpielfeld_->ShowPosition(game_->state().Cells) &&
        statusAnnouncer_) {
        statusAnnouncer_->StoneAnnounced();
    }
}

void frmHaupt::RestoreBoardPicture() {
    if (hintMarker_ != nullptr) hintMarker_->hide();
    pictures_.RestoreBoard();
    picSpielfeld_->update();
    picSpielfeld_->ShowPosition({});
}

void frmHaupt::RefreshWindow() {
    update();
}

void frmHaupt::SetFallTimerEnabled(bool enabled) {
    if (enabled) {
        timFall_.start();
    } else {
        timFall_.stop();
    }
}

bool frmHaupt::FallTimerEnabled() const {
    return timFall_.isActive();
}

bool frmHaupt::ComputerBegins() const {
    return picOptionen_->optAnfangSp(2)->isChecked();
}

}  // namespace tessora
