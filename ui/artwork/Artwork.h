#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

#include "ui/artwork/Paint.h"

namespace tessora::artwork {

// The drawn buttons of the game's windows.
enum class ButtonId { NeuesSpiel, Anleitung, Copyright, Exit, Zurueck, Tipp };

// The caption drawn on a button ("Neues Spiel", ...), also its name for assistive technology,
// in the language played.
QString ButtonCaption(ButtonId id);

// Every picture the game shows, painted in code. Sizes are in layout pixels (the window's
// pixels on a normal screen); each picture is painted at `ratio` device pixels per layout pixel,
// so it is ratio times that size in pixels with that device pixel ratio, sharp on a screen of
// that density. All images except the icon and the maker's logo are QImage::Format_RGB32; masks
// are pure black (0xFF000000) and pure white (0xFFFFFFFF). Stone pictures are white around the
// stone, the logo and the heading white outside their masks.
QImage BoardPicture(double ratio = 1);  // 440 x 345: the empty board, holes at the cell geometry
// Paints the device rows firstRow to endRow - 1 of the board picture into the pixels of an image
// made for it (paint::NewImage of the board's size at ratio), so that parts can be painted on
// threads of their own.
void PaintBoardRows(uchar* pixels, qsizetype bytesPerLine, double ratio, int firstRow, int endRow);
QImage HumanStone(double ratio = 1);      // 40 x 40, picStein(1)
QImage ComputerStone(double ratio = 1);   // 40 x 40, picStein(2)
QImage HighlightStone(double ratio = 1);  // 40 x 40, picStein(3)
QImage StoneMask(double ratio = 1);       // 40 x 40, picStein(4): black where a stone is
QImage ColumnMask(double ratio = 1);      // 40 x 330, picSpalte: black front, white holes
// 273 x 66: picLogo and its mask picLogoBlack (black where the logo is), from one painting.
paint::MaskedPicture LogoWithMask(double ratio = 1);
QImage BackgroundTile(double ratio = 1);                     // 128 x 128, picHG
QImage OptionsTile(double ratio = 1);                        // 94 x 38, picHG2
QImage Button(ButtonId id, bool pressed, double ratio = 1);  // 110 x 27 (Exit: 89 x 27)
// 300 x 50: picAnleitung and its mask picAnleitungBlack (black where the heading is), from one
// painting.
paint::MaskedPicture InstructionsHeadingWithMask(double ratio = 1);
// 240 x 44: the explanation panel's heading "Erklärung" and its mask, in the same lettering.
paint::MaskedPicture ExplanationHeadingWithMask(double ratio = 1);
QImage MakerLogo(double ratio = 1);  // 80 x 80, picZXLogo: the maker's emblem, ARGB32
QImage AppIcon(int size);  // size x size pixels, ARGB32 premultiplied with a transparent surround
// The icon at every size a desktop asks for, up to 256, as images (painted on any thread) and as
// the icon made of them (on the user-interface thread).
std::vector<QImage> AppIconImages();
QIcon AppIconSet(const std::vector<QImage>& images = AppIconImages());

}  // namespace tessora::artwork
