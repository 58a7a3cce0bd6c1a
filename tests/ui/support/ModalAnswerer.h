#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace tessora::test {

// Answers the game's modal message boxes from a script: polls for the active modal box and
// presses the button with the next scripted caption ("Ja", "Nein", "OK"). Every box seen is
// recorded with its title and text. A box beyond the script is answered with its first button
// and recorded as unexpected, so a test never hangs on it.
class ModalAnswerer : public QObject {
    Q_OBJECT

  public:
    struct Box {
        QString title;
        QString text;
        QString answer;
    };

    explicit ModalAnswerer(QStringList answers = {});

    void Script(QStringList answers) { answers_ = std::move(answers); }
    const std::vector<Box>& boxes() const { return boxes_; }
    int unexpected() const { return unexpected_; }

  private:
    void Poll();

    QTimer timer_;
    QStringList answers_;
    std::vector<Box> boxes_;
    int unexpected_ = 0;
};

}  // namespace tessora::test
