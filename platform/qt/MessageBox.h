#pragma once

#include <string_view>

class QWidget;

namespace tessora {

// Shows a modal message box the way the Windows message box does for the given style and returns
// the Windows answer code of the button pressed (OK 1, Cancel 2, Abort 3, Retry 4, Ignore 5,
// Yes 6, No 7; 0 when the box was closed without an answer).
//
// The style's low four bits choose the buttons (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel), the next four the icon (0x10 critical stop,
// 0x20 question, 0x30 exclamation, 0x40 information, 0 none), and 0x100 or 0x200 make the
// second or third button the default one. Buttons carry German captions whatever the system's
// language. CR LF in the text starts a new line. The owner window may be null.
int ShowMessageBox(QWidget* owner, std::string_view text, std::string_view title, int style);

}  // namespace tessora
