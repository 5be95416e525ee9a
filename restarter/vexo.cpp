// vexo: brings Tawen back to its login window after a change of user.
// Tawen gives up its single-instance lock, starts vexo and ends; vexo waits
// one second, then starts tawen again and ends.
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kProgram = "tawen";

bool isExecutable(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && access(path.c_str(), X_OK) == 0;
}

// Beside this executable first, so a portable installation restarts itself,
// then in the bin folder of the installation vexo belongs to, then along
// PATH, as a program started by its bare name would be found.
fs::path locateProgram() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        for (const fs::path& folder :
             {self.parent_path(), self.parent_path() / TAWEN_LIBEXEC_TO_BIN}) {
            const fs::path candidate = (folder / kProgram).lexically_normal();
            if (isExecutable(candidate)) return candidate;
        }
    }
    const char* pathVariable = std::getenv("PATH");
    std::string_view rest = pathVariable ? pathVariable : "";
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        if (!dir.empty()) {
            const fs::path candidate = fs::path(dir) / kProgram;
            if (isExecutable(candidate)) return candidate;
        }
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return {};
}

// Elapsed time on the monotonic clock: a wait that starts just before
// midnight, or across a change of the wall clock, still ends after a second.
void waitOneSecond() {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_until(until);
    }
}

bool startDetached(const fs::path& program) {
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) return false;
    // A session of its own, so the new tawen outlives vexo and its terminal.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    std::string programText = program.string();
    char* argv[] = {programText.data(), nullptr};
    pid_t child = 0;
    const int result =
        posix_spawn(&child, programText.c_str(), nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    return result == 0;
}

}  // namespace

int main() {
    waitOneSecond();
    const fs::path program = locateProgram();
    if (program.empty()) return EXIT_FAILURE;
    return startDetached(program) ? EXIT_SUCCESS : EXIT_FAILURE;
}
