#pragma once

#include <functional>

class QWidget;

namespace tawen {

// Runs `step` a moment after `window` has first been painted: work the learner
// does not see at once (a font only later windows use, the icon the window
// manager draws) neither delays the first window's pixels nor competes with
// putting them on the screen.
void afterFirstPaint(QWidget& window, std::function<void()> step);

}  // namespace tawen
