#pragma once

#include <optional>
#include <string>

// The two questions tawen answers on its terminal, without opening a window:
// --help and --version. Every other argument is left to Qt, as before.
namespace tawen {

// The text to print when the arguments ask for help or the version (the
// first such argument wins); nothing when the program should start.
std::optional<std::string> terminalAnswer(int argc, const char* const argv[]);

// "xcb" on a Wayland session whose environment names no platform of its own,
// so the always-on-top windows stay on top through XWayland; nothing
// otherwise. Takes the values of XDG_SESSION_TYPE, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM (null when unset).
std::optional<std::string> displayPlatformFor(const char* sessionType, const char* waylandDisplay,
                                              const char* chosenPlatform);

}  // namespace tawen
