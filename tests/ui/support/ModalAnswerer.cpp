#include "ui/support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace tessora::test {

ModalAnswerer::ModalAnswerer(QStringList answers) : answers_(std::move(answers)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    timer_.start();
}

void ModalAnswerer::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    const QList<QAbstractButton*> buttons = box->buttons();
    if (buttons.isEmpty()) return;

    QAbstractButton* chosen = nullptr;
    if (!answers_.isEmpty()) {
        const QString wanted = answers_.takeFirst();
        for (QAbstractButton* button : buttons) {
            if (button->text() == wanted) chosen = button;
        }
    }
    if (chosen == nullptr) {
        ++unexpected_;
        chosen = buttons.front();
    }
    boxes_.push_back({box->windowTitle(), box->text(), chosen->text()});
    chosen->click();
}

}  // namespace tessora::test
