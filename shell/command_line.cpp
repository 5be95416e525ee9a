#include "shell/command_line.h"

#include <string_view>

namespace tawen {

std::optional<std::string> terminalAnswer(int argc, const char* const argv[]) {
    for (int n = 1; n < argc; ++n) {
        const std::string_view argument = argv[n];
        if (argument == "--version") return "tawen " TAWEN_VERSION "\n";
        if (argument == "--help")
            return "用法：tawen [--help | --version]\n"
                   "塔文英语单词：用卡片、小窗口、复习测验、巩固测验和小精灵记忆英语单词。\n"
                   "Usage: tawen [--help | --version]\n"
                   "Tawen English Words, a vocabulary trainer for Chinese-speaking learners.\n"
                   "Everything else is chosen in the program's windows.\n"
                   "\n"
                   "  --help     print this help and exit\n"
                   "  --version  print the version and exit\n";
    }
    return std::nullopt;
}

std::optional<std::string> displayPlatformFor(const char* sessionType, const char* waylandDisplay,
                                              const char* chosenPlatform) {
    if (chosenPlatform != nullptr && *chosenPlatform != '\0') return std::nullopt;
    const bool wayland = (sessionType != nullptr && std::string_view(sessionType) == "wayland") ||
                         (waylandDisplay != nullptr && *waylandDisplay != '\0');
    if (!wayland) return std::nullopt;
    return "xcb";
}

}  // namespace tawen
