#pragma once

class QWidget;

namespace tawen {

// Places a top-level window in the middle of the screen it will show on.
void centerOnScreen(QWidget& window);

// Brings a window whose saved place lies off every screen (a monitor since
// unplugged, a smaller screen, a hand-edited file) fully onto the nearest
// screen. A window the learner can still take hold of stays where it is.
void bringBackOnScreen(QWidget& window);

}  // namespace tawen
