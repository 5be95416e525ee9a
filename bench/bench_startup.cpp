// Start-up and login as the learner sees them, in a private X server:
//   - from exec to the login window painted, with a bare Qt 6 window as the
//     baseline measured in the same run (the programs take turns), and a bare
//     window holding the login window's kinds of controls beside it;
//   - from Enter in the login window to the main window painted, with a
//     saved course of 32,766 words;
//   - the program's resident memory once the main window has settled.
// A window counts as painted when its pixels are no longer all one colour
// (the server's root is black, so an unpainted window is black).
//   bench_startup [runs] [tawen stage folder] [baseline program]

// Qt's headers must come before Xlib's, whose macros clash with them.
#include "bench/generated_library.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

pid_t spawn(const std::vector<std::string>& command, const std::string& display,
            int keepOpen = -1) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid > 0) return pid;
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != keepOpen) close(fd);
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::vector<char*> argv;
    for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

void end(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Our own X server on a display it chooses itself, so runs beside other X
// servers on the machine never meet.
class XServer {
  public:
    XServer() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
        pid_ = spawn({"Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-screen", "0",
                      "1280x1024x24", "-br", "-nolisten", "tcp"},
                     "", pipeEnds[1]);
        close(pipeEnds[1]);
        std::string number;
        char c;
        while (read(pipeEnds[0], &c, 1) == 1 && c != '\n') number += c;
        close(pipeEnds[0]);
        if (number.empty()) throw std::runtime_error("Xvfb did not start");
        name_ = ":" + number;
    }
    ~XServer() { end(pid_); }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& name() const { return name_; }

  private:
    pid_t pid_ = -1;
    std::string name_;
};

bool xFailed = false;
int noteXError(Display*, XErrorEvent*) {
    xFailed = true;
    return 0;
}

// Watches the screen: which top-level window is mapped, and when it shows
// something.
class ScreenWatch {
  public:
    explicit ScreenWatch(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
        if (display_ == nullptr) throw std::runtime_error("cannot open the display");
        XSetErrorHandler(noteXError);
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        // The pointer rests in the far corner, where no window opens. Left at
        // the centre of the screen it would lie over the centred login
        // window's name box, and only that window would pay for loading the
        // text cursor: the baselines open in the top left corner.
        const Screen* screen = DefaultScreenOfDisplay(display_);
        XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0,
                     WidthOfScreen(screen) - 1, HeightOfScreen(screen) - 1);
        XSync(display_, False);
    }
    ~ScreenWatch() { XCloseDisplay(display_); }
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    // The next top-level window mapped, other than `other`.
    Window nextMapped(Window other, Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == MapNotify && event.xmap.window != other) return event.xmap.window;
            }
            std::this_thread::sleep_for(500us);
        }
        throw std::runtime_error("no window was mapped");
    }

    // Waits until the window holds more than one colour.
    void waitPainted(Window window, Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            if (showsSomething(window)) return;
            std::this_thread::sleep_for(1ms);
        }
        throw std::runtime_error("the window was never painted");
    }

    void focus(Window window) {
        XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
        XSync(display_, False);
    }

    void press(const char* keyName) {
        const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keyName));
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
    }

    void type(const std::string& text) {
        for (const char c : text) {
            press(std::string(1, c).c_str());
            std::this_thread::sleep_for(20ms);
        }
    }

    // Drops what happened so far, so the next window waited for is a new one.
    void forgetEvents() { XSync(display_, True); }

  private:
    bool showsSomething(Window window) {
        xFailed = false;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, window, &attributes) || xFailed) return false;
        XImage* image = XGetImage(display_, window, 0, 0, unsigned(attributes.width),
                                  unsigned(attributes.height), AllPlanes, ZPixmap);
        XSync(display_, False);
        if (image == nullptr || xFailed) return false;
        const unsigned long first = XGetPixel(image, 0, 0);
        bool varied = false;
        for (int y = 0; y < image->height && !varied; y += 2)
            for (int x = 0; x < image->width && !varied; x += 2)
                varied = XGetPixel(image, x, y) != first;
        XDestroyImage(image);
        return varied;
    }

    Display* display_;
};

// The CPU time all threads of the process have had so far.
double cpuMilliseconds(pid_t pid) {
    double total = 0;
    const fs::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code ignored;
    for (const fs::directory_entry& task : fs::directory_iterator(tasks, ignored)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double nanoseconds = 0;
        if (schedstat >> nanoseconds) total += nanoseconds / 1e6;
    }
    return total;
}

// The CPU time of the thread that runs the windows: what the learner waits
// for, even where other threads keep the machine's other cores busy.
double mainThreadCpuMilliseconds(pid_t pid) {
    const std::string id = std::to_string(pid);
    std::ifstream schedstat("/proc/" + id + "/task/" + id + "/schedstat");
    double nanoseconds = 0;
    schedstat >> nanoseconds;
    return nanoseconds / 1e6;
}

double residentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// A copy of the program's folder whose default course (小学英语第一册, what a
// new learner's settings name) holds 32,766 words.
class ProgramCopy {
  public:
    explicit ProgramCopy(const fs::path& stage)
        : folder_(fs::temp_directory_path() / "tawen-bench-XXXXXX") {
        std::string pattern = folder_.string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        folder_ = pattern;
        fs::copy(stage, folder_, fs::copy_options::recursive);
        const tawen::bench::GeneratedLibrary library;
        const fs::path course = folder_ / "Word" / "xx1.twn";
        fs::remove(course);
        fs::copy_file(fs::path(library.root().toStdString()) / "Word" / "generated.twn", course);
        fs::remove_all(folder_ / "User");
        fs::create_directory(folder_ / "User");
        fs::remove(folder_ / "system" / "List.sys");
    }
    ~ProgramCopy() { fs::remove_all(folder_); }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    std::string program() const { return (folder_ / "tawen").string(); }

  private:
    fs::path folder_;
};

struct Series {
    const char* name;
    const char* unit;
    std::vector<double> values;

    double median() const {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }

    void print() const {
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        std::printf("%-34s median %7.2f %s   min %7.2f   max %7.2f   (%zu runs)\n", name, median(),
                    unit, *low, *high, values.size());
    }
};

struct Taken {
    double elapsed;
    double cpu;
};

// Exec to the first window painted.
Taken startUp(ScreenWatch& screen, const std::string& display,
              const std::vector<std::string>& command, pid_t& pid, Window& window) {
    screen.forgetEvents();
    const Clock::time_point start = Clock::now();
    pid = spawn(command, display);
    window = screen.nextMapped(None, start + 20s);
    screen.waitPainted(window, start + 20s);
    return {millisecondsBetween(start, Clock::now()), cpuMilliseconds(pid)};
}

struct LoginFigures {
    Taken startUp;
    Taken login;
    double loginMainThread;
    double resident;
};

// From the login window to the main window of the learner "bench".
LoginFigures startAndLogIn(ScreenWatch& screen, const std::string& display,
                           const std::string& program) {
    pid_t pid;
    Window login;
    LoginFigures figures{};
    figures.startUp = startUp(screen, display, {program}, pid, login);
    screen.focus(login);
    std::this_thread::sleep_for(300ms);
    screen.type("bench");
    screen.press("Tab");
    screen.type("pw123");
    std::this_thread::sleep_for(200ms);
    screen.forgetEvents();
    const double cpuBefore = cpuMilliseconds(pid);
    const double mainThreadBefore = mainThreadCpuMilliseconds(pid);
    const Clock::time_point enter = Clock::now();
    screen.press("Return");
    const Window main = screen.nextMapped(login, enter + 20s);
    screen.waitPainted(main, enter + 20s);
    figures.login = {millisecondsBetween(enter, Clock::now()), cpuMilliseconds(pid) - cpuBefore};
    figures.loginMainThread = mainThreadCpuMilliseconds(pid) - mainThreadBefore;
    // Whatever the main window set going in the background has done by now.
    std::this_thread::sleep_for(1500ms);
    figures.resident = residentMiB(pid);
    end(pid);
    return figures;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const fs::path stage = argc > 2 ? fs::path(argv[2]) : fs::path(TAWEN_STAGE_DIR);
    const std::string baseline = argc > 3 ? argv[3] : BARE_WINDOW;
    try {
        const XServer server;
        ScreenWatch screen(server.name());
        const ProgramCopy copy(stage);
        // The first login registers the learner and is not counted; it also
        // brings the files into the page cache, as on any later start.
        startAndLogIn(screen, server.name(), copy.program());

        Series bare{"bare Qt window: exec to painted", "ms", {}};
        Series bareCpu{"  CPU time", "ms", {}};
        Series controls{"bare window with login controls", "ms", {}};
        Series controlsCpu{"  CPU time", "ms", {}};
        Series tawen{"tawen login window: exec to painted", "ms", {}};
        Series tawenCpu{"  CPU time", "ms", {}};
        Series ratio{"  ratio to the bare window", "x", {}};
        Series login{"login to main window painted", "ms", {}};
        Series loginCpu{"  CPU time", "ms", {}};
        Series loginMainThread{"  CPU time of the window thread", "ms", {}};
        Series resident{"resident memory, course loaded", "MiB", {}};
        const auto measure = [&](const std::vector<std::string>& command, Series& elapsed,
                                 Series& cpu) {
            pid_t pid;
            Window window;
            const Taken taken = startUp(screen, server.name(), command, pid, window);
            elapsed.values.push_back(taken.elapsed);
            cpu.values.push_back(taken.cpu);
            end(pid);
        };
        for (int run = 0; run < runs; ++run) {
            // The programs take turns going first.
            if (run % 2 == 0) measure({baseline}, bare, bareCpu);
            measure({BARE_WINDOW, "--controls"}, controls, controlsCpu);
            const LoginFigures figures = startAndLogIn(screen, server.name(), copy.program());
            if (run % 2 == 1) measure({baseline}, bare, bareCpu);
            tawen.values.push_back(figures.startUp.elapsed);
            tawenCpu.values.push_back(figures.startUp.cpu);
            ratio.values.push_back(figures.startUp.elapsed / bare.values.back());
            login.values.push_back(figures.login.elapsed);
            loginCpu.values.push_back(figures.login.cpu);
            loginMainThread.values.push_back(figures.loginMainThread);
            resident.values.push_back(figures.resident);
        }
        std::printf("start-up and login, %d interleaved runs, tawen from %s\n", runs,
                    stage.c_str());
        for (const Series* series :
             {&bare, &bareCpu, &controls, &controlsCpu, &tawen, &tawenCpu, &ratio})
            series->print();
        std::printf("  ratio of the medians to the bare window: %.2fx elapsed, %.2fx CPU\n",
                    tawen.median() / bare.median(), tawenCpu.median() / bareCpu.median());
        std::printf("  ratio of the medians to the one with controls: %.2fx elapsed, %.2fx CPU\n",
                    tawen.median() / controls.median(), tawenCpu.median() / controlsCpu.median());
        login.print();
        loginCpu.print();
        loginMainThread.print();
        std::printf("  ratio to the bare window's start: %.2fx\n", login.median() / bare.median());
        resident.print();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_startup: %s\n", failure.what());
        return 1;
    }
    return 0;
}
