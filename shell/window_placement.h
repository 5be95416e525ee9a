#pragma once

class QWidget;

namespace tawen {

// Places a top-level window in the middle of the screen it will show on.
void centerOnScreen(QWidget& window);

}  // namespace tawen
