#pragma once

#include <functional>

class QWidget;

namespace tawen {

// Runs `step` once `window` has first been painted and control is back in
// the event loop: work the learner does not see at once (a font only later
// windows use, the icon the window manager draws) need not delay the first
// window's pixels.
void afterFirstPaint(QWidget& window, std::function<void()> step);

}  // namespace tawen
