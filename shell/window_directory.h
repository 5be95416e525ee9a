#pragma once

namespace tawen {

// Tells the form registry and the navigation which window is which: the main
// window with the order its closing unloads the others in, its menus that the
// mode windows share, and the window of each mode. Run once at start-up,
// before the first window opens.
void registerWindows();

}  // namespace tawen
