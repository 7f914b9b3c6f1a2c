#pragma once

// The slow first steps of the libraries the game starts, each taken ahead of the moment the
// GUI thread would need it, on an app::WarmUp worker. Each of them holds the clock window
// back by about a millisecond or more when it is left to the GUI thread.
namespace app {

// Fontconfig reads its whole configuration the first time a program asks it anything. Qt
// first asks once it has a display, so this may start before the application object. Wait
// for it before anything looks up a font: two first callers would each read it.
void readFontconfigConfiguration();

// The accessibility bridge connects to the session bus when the first text is set, and
// waits for the bus to answer. Needs the application object.
void connectToSessionBus();

// Qt lists every installed font the first time a font is looked up. Needs the application
// object; run it once the program's own fonts are registered.
void listInstalledFonts();

} // namespace app
