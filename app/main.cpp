#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "ui/MainWindow.h"
#include "ui/artwork/Artwork.h"

namespace {
QIcon GameIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(tessora::artwork::AppIcon(size)));
    }
    return icon;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));
    QApplication::setWindowIcon(GameIcon());

    tessora::frmHaupt window;
    // The player confirmed the exit question: the window goes at once, and the program ends as
    // soon as a move still running has unwound.
    QObject::connect(&window, &tessora::frmHaupt::exitConfirmed, &app, [&window] {
        window.hide();
        QApplication::quit();
    });
    window.show();
    return QApplication::exec();
}
