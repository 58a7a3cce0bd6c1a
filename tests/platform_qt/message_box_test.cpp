#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "platform/qt/MessageBox.h"
#include "support/QtTestMain.h"

using tessora::ShowMessageBox;

namespace {

// What a box looked like while it was open.
struct SeenBox {
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;  // captions, sorted
    QString defaultButton;
    QWidget* parent = nullptr;
};

// Waits on the event loop for the message box to be shown, records it, then lets `answer` close
// it. The polling timer runs inside the box's own modal loop.
void InspectNextBox(SeenBox& seen, std::function<void(QMessageBox&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        poll->stop();
        poll->deleteLater();
        seen.found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.parent = box->parentWidget();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        std::sort(seen.buttons.begin(), seen.buttons.end());
        if (box->defaultButton() != nullptr) seen.defaultButton = box->defaultButton()->text();
        answer(*box);
    });
    poll->start(5);
}

std::function<void(QMessageBox&)> Click(const QString& caption) {
    return [caption](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        box.done(0);  // no such button: close it so the test does not hang
    };
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The buttons are German whatever the system's language.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void showsTheButtonsAndIconOfTheStyleAndAnswersWithTheWindowsCode_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");

        const QStringList ok{"OK"};
        const QStringList yesNo{"Ja", "Nein"};
        QTest::newRow("hex 30: OK, exclamation") << 0x30 << int(QMessageBox::Warning) << ok << "OK"
                                                 << "OK" << 1;
        QTest::newRow("hex 24: Yes/No, question, Yes")
            << 0x24 << int(QMessageBox::Question) << yesNo << "Ja"
            << "Ja" << 6;
        QTest::newRow("hex 24: Yes/No, question, No")
            << 0x24 << int(QMessageBox::Question) << yesNo << "Ja"
            << "Nein" << 7;
        QTest::newRow("16: OK, critical stop") << 16 << int(QMessageBox::Critical) << ok << "OK"
                                               << "OK" << 1;
        QTest::newRow("0: OK, no icon") << 0 << int(QMessageBox::NoIcon) << ok << "OK"
                                        << "OK" << 1;
        QTest::newRow("hex 40: OK, information")
            << 0x40 << int(QMessageBox::Information) << ok << "OK"
            << "OK" << 1;
        QTest::newRow("1: OK/Cancel, Cancel")
            << 1 << int(QMessageBox::NoIcon) << QStringList{"Abbrechen", "OK"} << "OK"
            << "Abbrechen" << 2;
        QTest::newRow("hex 23: Yes/No/Cancel, Cancel")
            << 0x23 << int(QMessageBox::Question) << QStringList{"Abbrechen", "Ja", "Nein"} << "Ja"
            << "Abbrechen" << 2;
        QTest::newRow("hex 124: No is the default")
            << 0x124 << int(QMessageBox::Question) << yesNo << "Nein"
            << "Nein" << 7;
        QTest::newRow("hex 230: default past the only button falls back to OK")
            << 0x230 << int(QMessageBox::Warning) << ok << "OK"
            << "OK" << 1;
        QTest::newRow("5: Retry/Cancel, Retry")
            << 5 << int(QMessageBox::NoIcon) << QStringList{"Abbrechen", "Wiederholen"}
            << "Wiederholen"
            << "Wiederholen" << 4;
    }

    void showsTheButtonsAndIconOfTheStyleAndAnswersWithTheWindowsCode() {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(QStringList, buttons);
        QFETCH(QString, defaultButton);
        QFETCH(QString, press);
        QFETCH(int, answer);

        SeenBox seen;
        InspectNextBox(seen, Click(press));
        const int result = ShowMessageBox(nullptr, "Text", "Titel", style);

        QVERIFY(seen.found);
        QCOMPARE(int(seen.icon), icon);
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(seen.buttons, buttons);
        QCOMPARE(seen.defaultButton, defaultButton);
        QCOMPARE(result, answer);
    }

    void showsTitleAndTextWithCrLfAsLineBreaksAndMarkupAsPlainText() {
        SeenBox seen;
        InspectNextBox(seen, Click("OK"));
        ShowMessageBox(nullptr, "Zeile 1\r\nZeile <b>2</b>\r\n\r\nGröße",
                       "Fehler (Falscher Schriftgrad) :", 0x10);
        QVERIFY(seen.found);
        QCOMPARE(seen.title, QString("Fehler (Falscher Schriftgrad) :"));
        QCOMPARE(seen.text, QString("Zeile 1\nZeile <b>2</b>\n\nGröße"));
    }

    void isOwnedByTheGivenWindow() {
        QWidget owner;
        owner.show();
        SeenBox seen;
        InspectNextBox(seen, Click("Ja"));
        QCOMPARE(ShowMessageBox(&owner, "Frage?", "Titel", 0x24), 6);
        QCOMPARE(seen.parent, &owner);
    }

    void escapeClosesAnOkBoxWithOk() {
        SeenBox seen;
        InspectNextBox(seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(ShowMessageBox(nullptr, "Hinweis", "Titel", 0x30), 1);
        QVERIFY(seen.found);
    }

    void enterPressesTheDefaultButton() {
        SeenBox seen;
        InspectNextBox(seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        QCOMPARE(ShowMessageBox(nullptr, "Frage?", "Titel", 0x124), 7);
    }
};

TESSORA_QTEST(MessageBoxTest)
#include "message_box_test.moc"
