#pragma once

#include <memory>

namespace platform {

// The one slot of an outside service: the real implementation until a test
// (or start-up) installs another. Each seam's header wraps this in two
// plainly named functions.
template <class Interface, class Default>
std::unique_ptr<Interface>& seamSlot() {
    static std::unique_ptr<Interface> slot = std::make_unique<Default>();
    return slot;
}

}  // namespace platform
