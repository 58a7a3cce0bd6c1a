#pragma once

#include <string_view>

#include "platform/MessageBoxStyle.h"

class QWidget;

namespace tessora {

// Shows a modal message box the way the Windows message box does for the given style (an
// mb::Style sum) and returns the mb::Answer of the button pressed. Buttons carry German captions
// whatever the system's language. CR LF in the text starts a new line. The owner window may be
// null. With a zoom, the box is shown that many times its own size (lettering, icon, margins and
// buttons alike), its lines broken where the text breaks them.
int ShowMessageBox(QWidget* owner, std::string_view text, std::string_view title, int style,
                   double zoom = 1);

}  // namespace tessora
