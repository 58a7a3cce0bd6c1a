#pragma once

namespace tessora {

// Makes the game's drawn controls known to assistive technology such as screen readers: a drawn
// button is a push button named by its caption, whose press action does what a click does; the
// board is a canvas with its name, the position as its description and its cells as children.
// Invisible on the screen.
// Called by the controls themselves; more calls do nothing.
void InstallAccessibleInterfaces();

}  // namespace tessora
