#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/single_instance.h"
#include "shell/after_first_paint.h"
#include "shell/command_line.h"
#include "shell/fonts.h"
#include "shell/form7_login.h"
#include "shell/form_registry.h"
#include "shell/program_icon.h"
#include "shell/window_directory.h"

int main(int argc, char* argv[]) {
    using platform::SingleInstance;
    if (const auto answer = tawen::terminalAnswer(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    // The root and the one-copy check come before any window: a second copy
    // ends here, unseen.
    const QString exeDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    platform::setRoots(platform::chooseRoots(QFileInfo(exeDir).path()));
    const SingleInstance::Outcome lock = platform::programInstance().acquire();
    if (lock == SingleInstance::Outcome::AnotherCopyRuns) return 0;

    if (const auto platformName = tawen::displayPlatformFor(std::getenv("XDG_SESSION_TYPE"),
                                                            std::getenv("WAYLAND_DISPLAY"),
                                                            std::getenv("QT_QPA_PLATFORM")))
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platformName));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tawen"));
    // No display name: the desktop would append it to every caption, and
    // each window's caption is exactly its own ("用户登录", "提示").
    // The program ends when the main window closes, not when the login
    // window makes way for it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Matches the menu entry, so the desktop groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tawen.Tawen"));
    tawen::installFonts();

    // Without the lock the user list and settings could not be written either.
    if (lock == SingleInstance::Outcome::CannotLock) {
        platform::prompt().message(
            QStringLiteral("塔文英语单词无法启动：不能在文件夹“%1”中建立文件 tawen.lock。\n"
                           "请检查该文件夹是否可写、磁盘是否已满，然后再试。")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(platform::WindowsDir()))),
            QStringLiteral("错误提示"));
        return 1;
    }

    tawen::registerWindows();
    tawen::Form7& login = tawen::forms().form<tawen::Form7>();
    // Reading the icon's pictures wakes Qt's image plugins: that waits until
    // the learner sees the window, and the window manager then redraws the
    // title bar with the icon.
    tawen::afterFirstPaint(login, [] {
        QApplication::setWindowIcon(tawen::programIcon());
        tawen::ensurePhoneticFace();
    });
    login.show();
    const int status = QApplication::exec();
    tawen::forms().discardAll();
    return status;
}
