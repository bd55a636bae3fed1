#pragma once

class QMenuBar;

namespace tessaro {

// Gives the application, once, the desktop's own style with the menus reachable from the
// keyboard: Alt alone moves into the menu bar, the arrows and Enter choose, and typing in
// an open menu moves to the command whose title holds the letters typed. The captions
// carry no '&', so no letter is underlined.
void UseKeyboardStyle();

// Keys that open the menus of `bar`'s window: F10 the first menu, and Alt with a letter
// each entry of the bar, the first letter of its title that no entry before it took
// (main window: Alt+T Themes, Alt+O Tools, Alt+A About...).
void MenuKeys(QMenuBar* bar);

}  // namespace tessaro
