#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "platform/qt/ShellExecute.h"
#include "support/QtTestMain.h"

using tessora::ShellExecute;

// Stands in for the user's web browser: Qt hands it every address of its scheme.
class Browser : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void openUrl(const QUrl& url) { opened << url; }
};

class ShellExecuteTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        browser_.opened.clear();
        QDesktopServices::setUrlHandler("http", &browser_, "openUrl");
    }
    void cleanup() { QDesktopServices::unsetUrlHandler("http"); }

    void opensAWebAddressInTheBrowser_data() {
        QTest::addColumn<QString>("operation");
        QTest::newRow("Open") << "Open";
        QTest::newRow("open") << "open";
        QTest::newRow("no operation") << "";
    }

    void opensAWebAddressInTheBrowser() {
        QFETCH(QString, operation);
        const int result = ShellExecute(nullptr, operation.toStdString(), "http://tessora.example",
                                        "", "", tessora::shell::kShowNormal);
        QVERIFY(result > 32);
        QCOMPARE(browser_.opened.size(), 1);
        QCOMPARE(browser_.opened.front(), QUrl("http://tessora.example"));
    }

    void otherOperationsAndEmptyAddressesOpenNothing() {
        QCOMPARE(ShellExecute(nullptr, "print", "http://tessora.example", "", "", 1),
                 tessora::shell::kNoAssociation);
        QCOMPARE(ShellExecute(nullptr, "Open", "", "", "", 1), tessora::shell::kNoAssociation);
        QVERIFY(browser_.opened.isEmpty());
    }

  private:
    Browser browser_;
};

TESSORA_QTEST(ShellExecuteTest)
#include "shell_execute_test.moc"
