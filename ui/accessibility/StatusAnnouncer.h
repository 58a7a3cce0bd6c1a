#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace tessora {

// What the status line says, as a notification that a screen reader speaks when it appears.
// It has no picture: it is there only for assistive technology.
class StatusNotice : public QWidget {
    Q_OBJECT

  public:
    explicit StatusNotice(QWidget* statusLine);
};

// Tells assistive technology when the status line changes, politely: a screen reader speaks
// every notification at once, cutting off what it was saying, so a change waits until the board
// has had time to announce its last stone, and only the latest text is said (the latest
// explanation of a move before the latest status). The window does not pass on the text shown
// while a stone falls, which comes with every stone. Nothing happens while no assistive
// technology is active.
class StatusAnnouncer : public QObject {
  public:
    explicit StatusAnnouncer(QWidget* statusLine);

    void StatusChanged(const QString& text);
    // A new explanation of a move or a hint; said before the status that follows it.
    void ExplanationChanged(const QString& text);
    // The board has just announced a landed stone.
    void StoneAnnounced();

    // How long a change waits after the board's announcement of a stone.
    static constexpr int kAfterStoneMilliseconds = 2500;

  private:
    void Schedule();
    void Announce();

    StatusNotice* notice_;
    QString explanation_;
    QString status_;
    QTimer timer_;
    QElapsedTimer sinceStone_;
};

}  // namespace tessora
