// The game played in English leaves no German text in its windows, its message boxes or what a
// screen reader finds: every text is checked against the German sources of the translation file
// (those whose English differs).
#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QXmlStreamReader>

#include "app/Language.h"
#include "support/QtTestMain.h"
#include "support/ShownSession.h"
#include "ui/MainWindow.h"
#include "ui/about/AboutWindow.h"
#include "ui/instructions/InstructionsWindow.h"

using namespace tessora;

namespace {

// The pieces of each German source that its English replaces: the text between placeholders
// (%1, ...) and line breaks, trimmed, from four characters on.
QStringList GermanPieces() {
    QFile file(QStringLiteral(TESSORA_TRANSLATION_FILE));
    if (!file.open(QIODevice::ReadOnly)) qFatal("no translation file");
    QXmlStreamReader xml(&file);
    QStringList pieces;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            if (xml.readElementText() == source) continue;
            for (QString piece : source.split(QRegularExpression(QStringLiteral("%\\d|\\r?\\n")))) {
                piece = piece.trimmed();
                if (piece.size() >= 4) pieces << piece;
            }
        }
    }
    return pieces;
}

// Every text of a window: titles, captions, labels, text boxes, and everything its accessible
// tree names or describes.
void CollectAccessible(QAccessibleInterface* node, QStringList& texts, int depth = 0) {
    if (node == nullptr || depth > 20) return;
    texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
    for (int i = 0; i < node->childCount(); ++i)
        CollectAccessible(node->child(i), texts, depth + 1);
}

QStringList TextsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* widget : widgets) {
        texts << widget->accessibleName() << widget->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) texts << frame->title();
        if (auto* box = qobject_cast<QTextEdit*>(widget)) texts << box->toPlainText();
    }
    CollectAccessible(QAccessible::queryAccessibleInterface(window), texts);
    return texts;
}

}  // namespace

class EnglishTest : public QObject {
    Q_OBJECT

  private slots:
    void noGermanTextIsLeft() {
        GameTranslation english(Language::English);
        QCOMPARE(english.language(), Language::English);
        english.Install();
        StartOptions options;
        options.language = Language::English;
        options.explain = true;
        test::ShownSession shown(options);
        GameSession& session = shown.session;
        frmHaupt* window = session.mainWindow();
        window->game().options().AnimationOn = false;
        // A move of each side, and a hint, so that the board and the panel speak.
        window->game().picSpielfeld_MouseUp(1, 0, 600 + 900 * 3, 2000);
        QTest::keyClick(window, Qt::Key_T);
        session.instructions()->show();
        session.about()->show();

        QStringList texts =
            TextsOf(window) + TextsOf(session.instructions()) + TextsOf(session.about());
        // The exit question and its buttons, answered No.
        QTimer::singleShot(0, [&texts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            texts += TextsOf(box);
            box->button(QMessageBox::No)->click();
        });
        window->picButtonExit()->Press();

        QVERIFY(texts.contains(QStringLiteral("New Game")));
        QVERIFY(texts.contains(QStringLiteral("Board")));
        const QStringList german = GermanPieces();
        QVERIFY(german.size() > 100);
        for (const QString& piece : german) {
            // As a whole word or words: a name such as the maker's may hold one inside a word.
            const QRegularExpression word(QStringLiteral("(^|\\W)") +
                                          QRegularExpression::escape(piece) +
                                          QStringLiteral("($|\\W)"));
            for (const QString& text : texts)
                QVERIFY2(!word.match(text).hasMatch(),
                         qPrintable(text + QStringLiteral(" ~ ") + piece));
        }
    }
};

TESSORA_QTEST(EnglishTest)
#include "english_test.moc"
