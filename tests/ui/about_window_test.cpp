#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/qt/ShellExecute.h"
#include "support/QtTestMain.h"
#include "ui/about/AboutWindow.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {
// Records what the window asks the shell to open, and the pointers on show meanwhile.
struct FakeOpener {
    struct Call {
        QWidget* owner;
        QString operation;
        QString file;
        int showCommand;
        Qt::CursorShape windowPointer;
        Qt::CursorShape labelPointer;
    };

    ShellOpener Bind(frmCopyright*& window) {
        return [this, &window](QWidget* owner, std::string_view operation, std::string_view file,
                               std::string_view, std::string_view, int showCommand) {
            calls.push_back({owner, QString::fromUtf8(operation.data(), operation.size()),
                             QString::fromUtf8(file.data(), file.size()), showCommand,
                             window->cursor().shape(), window->lblCR(4)->cursor().shape()});
            return result;
        };
    }

    std::vector<Call> calls;
    int result = shell::kOpened;
};

// The main window's part: a window to return to and a record of the sounds asked for.
struct AboutFixture {
    explicit AboutFixture(double zoom = 1)
        : window([this](Sound sound) { sounds << QString::fromUtf8(WaveFile(sound)); }, &main,
                 opener.Bind(self), zoom) {
        self = &window;
        main.show();
        main.setEnabled(false);
        window.show();
    }
    void Click(QWidget* widget) {
        Press(widget, QPoint(5, 5));
        Release(widget, QPoint(5, 5));
    }

    QWidget main;
    QStringList sounds;
    FakeOpener opener;
    frmCopyright* self = nullptr;
    frmCopyright window;
};
}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void contactLinesOtherThanTheHomePageDoNothing_data() {
        QTest::addColumn<int>("index");
        for (int index : {0, 1, 2, 3, 5})
            QTest::addRow("lblCR(%d)", index) << index;
    }
    void contactLinesOtherThanTheHomePageDoNothing() {
        QFETCH(int, index);
        AboutFixture about;
        about.Click(about.window.lblCR(index));
        QVERIFY(about.opener.calls.empty());
        QVERIFY(about.window.isVisible());
        QCOMPARE(about.window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(about.sounds.isEmpty());
    }

    // The address goes to the shell with a busy pointer on show; whether a browser could be
    // started changes nothing in the window.
    void homePageLineOpensItsAddressInTheBrowser_data() {
        QTest::addColumn<int>("result");
        QTest::newRow("browser started") << shell::kOpened;
        QTest::newRow("no browser") << shell::kNoAssociation;
    }
    void homePageLineOpensItsAddressInTheBrowser() {
        QFETCH(int, result);
        AboutFixture about;
        about.opener.result = result;
        about.Click(about.window.lblCR(4));

        QCOMPARE(about.opener.calls.size(), std::size_t{1});
        const FakeOpener::Call& call = about.opener.calls.front();
        QCOMPARE(call.owner, &about.window);
        QCOMPARE(call.operation, QStringLiteral("Open"));
        QCOMPARE(call.file, QStringLiteral("http://www.tessora.example"));
        QCOMPARE(call.showCommand, shell::kShowNormal);
        QCOMPARE(call.windowPointer, Qt::BusyCursor);
        QCOMPARE(call.labelPointer, Qt::BusyCursor);

        QCOMPARE(about.window.lblCR(4)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(about.window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(about.window.isVisible());
    }

    // The maker's emblem is painted, sits in the contact box, and no contact line reaches under
    // it (a click on it must not open the home page).
    void makerLogoSitsInTheContactBoxBesideTheLines() {
        AboutFixture about;
        const QLabel* logo = about.window.picZXLogo();
        QVERIFY(!logo->pixmap().isNull());
        QCOMPARE(logo->size(), QSize(80, 80));
        QVERIFY(QRect(24, 92, 372, 122).contains(logo->geometry()));
        for (int index = 0; index <= 4; ++index)
            QVERIFY(!about.window.lblCR(index)->geometry().intersects(logo->geometry()));
    }

    // Every line of lettering fits its label whole, descenders included, at every zoom (the
    // notice's last line once lost the tail of its "j").
    void everyLabelHoldsItsWholeText_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2.25") << 2.25;
        QTest::newRow("4") << 4.0;
    }
    void everyLabelHoldsItsWholeText() {
        QFETCH(double, zoom);
        AboutFixture about(zoom);
        for (const QLabel* label : about.window.findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            const QRect room = label->contentsRect();
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed =
                QFontMetrics(label->font()).boundingRect(room, flags, label->text());
            QVERIFY2(room.contains(needed), qPrintable(label->text()));
        }
    }

    void okReturnsToTheMainWindow() {
        AboutFixture about;
        QTest::mouseClick(about.window.cmdOK(), Qt::LeftButton);
        QVERIFY(!about.window.isVisible());
        QVERIFY(about.main.isEnabled());
        QVERIFY(about.main.isVisible());
        QCOMPARE(about.sounds, QStringList{"KLICK.WAV"});
    }
};

TESSORA_QTEST(AboutWindowTest)
#include "about_window_test.moc"
