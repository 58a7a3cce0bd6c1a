#pragma once

#include <QIcon>
#include <QImage>

#include "ui/artwork/Paint.h"

namespace tessora::artwork {

// The drawn buttons of the game's windows.
enum class ButtonId { NeuesSpiel, Anleitung, Copyright, Exit, Zurueck };

// Every picture the game shows, painted in code. All images except the icon are
// QImage::Format_RGB32; masks are pure black (0xFF000000) and pure white (0xFFFFFFFF). Stone
// pictures are white around the stone, the logo and the heading white outside their masks.
QImage BoardPicture();                     // 440 x 345: the empty board, holes at the cell geometry
QImage HumanStone();                       // 40 x 40, picStein(1)
QImage ComputerStone();                    // 40 x 40, picStein(2)
QImage HighlightStone();                   // 40 x 40, picStein(3)
QImage StoneMask();                        // 40 x 40, picStein(4): black where a stone is
QImage ColumnMask();                       // 40 x 330, picSpalte: black front, white holes
QImage Logo();                             // 273 x 66, picLogo
QImage LogoMask();                         // 273 x 66, picLogoBlack: black where the logo is
paint::MaskedPicture LogoWithMask();       // both of the above from one painting
QImage BackgroundTile();                   // 128 x 128, picHG
QImage OptionsTile();                      // 94 x 38, picHG2
QImage Button(ButtonId id, bool pressed);  // 110 x 27 (Exit: 89 x 27)
QImage InstructionsHeading();              // 300 x 50, picAnleitung
QImage InstructionsHeadingMask();  // 300 x 50, picAnleitungBlack: black where the heading is
paint::MaskedPicture InstructionsHeadingWithMask();  // both of the above from one painting
QImage AppIcon(int size);         // size x size, ARGB32 premultiplied with a transparent surround
QIcon AppIconSet();               // the icon at every size a desktop asks for, up to 256
QImage MakerLogo(int ratio = 1);  // 80 x 80 at ratio 1, picZXLogo: the maker's emblem, ARGB32

}  // namespace tessora::artwork
