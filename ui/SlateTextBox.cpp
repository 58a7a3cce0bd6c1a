#include "ui/SlateTextBox.h"

#include <QTextEdit>

#include "ui/Twips.h"

namespace tessora {

namespace {
// Its lengths in layout pixels (%1 a border's width, ...), filled in at the zoom.
const char* const kStyle =
    "QTextEdit { background-color: rgba(12, 17, 29, 215); color: #E8ECF3;"
    " border: %1px solid #66758F; border-radius: %2px; padding: %3px %4px %3px %5px;"
    " selection-background-color: #4D6A99; selection-color: #FFFFFF; }"
    "QScrollBar:vertical { background: #1B2233; width: %6px; margin: 0; }"
    "QScrollBar::handle:vertical { background: #5B6A85; min-height: %7px; border-radius: %8px;"
    " margin: %9px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";
constexpr int kLengths[] = {1, 3, 6, 4, 8, 12, 24, 4, 2};
}  // namespace

void StyleSlateTextBox(QTextEdit* box, double zoom) {
    QString style = QString::fromLatin1(kStyle);
    for (const int length : kLengths)
        style = style.arg(ScaledPixels(length, zoom));
    box->setStyleSheet(style);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace tessora
