#pragma once

namespace wm {

// Keyboard and mouse behaviour that every window of both programs shares, as users of a
// Windows-style desktop expect it:
// - Enter on a focused push button presses it, as Space does;
// - an access key that a visible button shares with a menu title presses the button (the
//   menu stays reachable with F10, with Alt and the arrow keys, and with its own key when
//   no visible button has it);
// - multi-line boxes pass Tab and Shift+Tab on to the next control;
// - the mouse wheel changes a list only while the list has the focus; otherwise the wheel
//   goes on to what holds the list;
// - the focus is drawn however it moved (Enter, a click, the program), not only after Tab.
// The first call installs one application-wide filter; every window calls this at the start
// of its constructor, so the lists and boxes it builds are set up when they are polished.
void installDesktopInput();

}  // namespace wm
