#include <QApplication>

#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));

    tessora::frmHaupt window;
    QObject::connect(&window, &tessora::frmHaupt::exitConfirmed, &app, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
