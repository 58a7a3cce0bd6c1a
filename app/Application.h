#pragma once

#include <QApplication>
#include <memory>

#include "app/Language.h"

namespace tessora {

// The status of a program that found no screen to show its windows on.
inline constexpr int kExitNoScreen = 1;

// Names the game to the sound server (PulseAudio, or PipeWire's service in its place) as
// "Tessora" with the game's icon, as desktop mixers list every program; Qt Multimedia's own name
// for it is a process number. Done through the sound library's own environment variable, so it
// must run first in main, before any thread starts; a value the user set is kept.
void NameTheGameForTheSoundServer();

// Makes the game's application object, with its name and the app id by which the desktop
// matches it to its menu entry (the desktop entry's name, on Wayland and on X11). Qt ends a
// program that finds no screen (neither an X server nor a Wayland compositor) with an English
// complaint and a core dump; here it ends instead with one German line on standard error and
// status kExitNoScreen. Qt's other messages of that moment are passed on once a screen was found.
// The program speaks `translation`'s language: its line without a screen, and every text once
// the application exists (the translation is installed then, and must outlive the application).
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv,
                                               GameTranslation& translation);

}  // namespace tessora
