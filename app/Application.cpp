#include "app/Application.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tessora {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

// Qt's message handler is one function for the whole process, so what it holds back while the
// application object is made lives here.
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;
QByteArray noScreenLine;

const char* const kNoScreen = QT_TRANSLATE_NOOP(
    "Startup",
    "Kein Bildschirm gefunden. Tessora braucht eine grafische Oberfläche (X11 oder Wayland); ist "
    "DISPLAY oder WAYLAND_DISPLAY gesetzt?");

void HoldOrEnd(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(noScreenLine.constData(), stderr);
        std::_Exit(kExitNoScreen);
    }
    heldMessages.push_back({type, text});
}

void PassOnHeldMessages() {
    for (const HeldMessage& message : heldMessages) {
        const QByteArray text = message.text.toLocal8Bit();
        if (message.type == QtDebugMsg) {
            qDebug("%s", text.constData());
        } else if (message.type == QtInfoMsg) {
            qInfo("%s", text.constData());
        } else {
            qWarning("%s", text.constData());
        }
    }
    heldMessages.clear();
}

}  // namespace

void NameTheGameForTheSoundServer() {
    // PULSE_PROP_OVERRIDE replaces what the program says of itself; PULSE_PROP would only add.
    constexpr int kKeepTheUsers = 0;
    setenv("PULSE_PROP_OVERRIDE", "application.name=Tessora application.icon_name=" TESSORA_APP_ID,
           kKeepTheUsers);
}

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv,
                                               GameTranslation& translation) {
    noScreenLine = "tessora: " + translation.Text("Startup", kNoScreen).toLocal8Bit() + '\n';
    previousHandler = qInstallMessageHandler(&HoldOrEnd);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    PassOnHeldMessages();
    translation.Install();
    QGuiApplication::setApplicationName(QStringLiteral("Tessora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSORA_APP_ID));
    return application;
}

}  // namespace tessora
