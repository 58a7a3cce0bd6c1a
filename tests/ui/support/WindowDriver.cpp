#include "ui/support/WindowDriver.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>

#include "core/BoardGeometry.h"
#include "tests/support/DrawnBoard.h"
#include "ui/BoardView.h"

namespace tessora::test {

RecordingWindow::RecordingWindow(int soundDevices)
    : FakeSoundDevice(soundDevices), frmHaupt(wave_, timeOfDay) {
    Load(game_);
}

void RecordingWindow::SetStatusText(std::string_view text) {
    frmHaupt::SetStatusText(text);
    const QString shown = QString::fromStdString(std::string(text));
    if (statusTexts_.isEmpty() || statusTexts_.back() != shown) statusTexts_.push_back(shown);
}

void RecordingWindow::SetMousePointer(Pointer pointer) {
    frmHaupt::SetMousePointer(pointer);
    pointers_.push_back(pointer);
}

void RecordingWindow::ClearRecords() {
    statusTexts_.clear();
    pointers_.clear();
}

QStringList RecordingWindow::SoundsPlayed() const {
    QStringList names;
    for (const FakeWaveOutput::Played& played : wave_.played()) {
        names.push_back(QFileInfo(QString::fromStdString(played.path)).fileName());
    }
    return names;
}

int RecordingWindow::StonesOnBoard() {
    return CountStones(game().state());
}

namespace {
void Send(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButton button,
          Qt::MouseButtons held) {
    const QPointF local(position);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
}  // namespace

void Press(QWidget* widget, QPoint position) {
    Send(widget, QEvent::MouseButtonPress, position, Qt::LeftButton, Qt::LeftButton);
}

void Move(QWidget* widget, QPoint position) {
    Send(widget, QEvent::MouseMove, position, Qt::NoButton, Qt::LeftButton);
}

void Release(QWidget* widget, QPoint position) {
    Send(widget, QEvent::MouseButtonRelease, position, Qt::LeftButton, Qt::NoButton);
}

void ClickColumn(frmHaupt& window, int column) {
    // Columns are 60 pixels apart from 20 on, each stone 40 wide.
    Release(window.picSpielfeld(), QPoint(ColumnLeft(column) + 20, 100));
}

}  // namespace tessora::test
