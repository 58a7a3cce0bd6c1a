#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "ai/ComputerPlayer.h"
#include "core/Game.h"
#include "platform/Random.h"
#include "platform/qt/TimeOfDayClock.h"
#include "support/FakeWaveOutput.h"
#include "ui/MainWindow.h"

class QWidget;

namespace tessora::test {

// Holds the fake sound device, so that it is built before the window that plays through it.
struct FakeSoundDevice {
    explicit FakeSoundDevice(int devices) : wave_(devices) {}
    FakeWaveOutput wave_;
};

// Holds the game's own chances and clock, so that they are built before the window.
struct OwnChanceAndTime {
    ClockRandom chances;
    TimeOfDayClock timeOfDay;
};

// The main window with a fake sound device and its game against the computer player, recording
// every status text it is given and the mouse pointers it is set to.
class RecordingWindow : private FakeSoundDevice, private OwnChanceAndTime, public frmHaupt {
  public:
    explicit RecordingWindow(int soundDevices = 1);

    void SetStatusText(std::string_view text) override;
    void SetMousePointer(Pointer pointer) override;

    // Status texts in order, repeats of the text already showing left out.
    const QStringList& statusTexts() const { return statusTexts_; }
    const std::vector<Pointer>& pointers() const { return pointers_; }
    void ClearRecords();

    // Names of the wave files played, in order.
    QStringList SoundsPlayed() const;
    FakeWaveOutput& wave() { return wave_; }

    int StonesOnBoard();

  private:
    QStringList statusTexts_;
    std::vector<Pointer> pointers_;
    ComputerPlayer computer_{chances};
    Game game_{*this, computer_};
};

// Mouse events sent straight to a widget, positions in its own pixels.
void Press(QWidget* widget, QPoint position);
void Move(QWidget* widget, QPoint position);
void Release(QWidget* widget, QPoint position);
// A board click on a column (0..6): a mouse-up in the middle of that column.
void ClickColumn(frmHaupt& window, int column);

}  // namespace tessora::test
