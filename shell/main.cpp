#include <QApplication>
#include <QFileInfo>

#include "platform/paths.h"
#include "platform/single_instance.h"
#include "shell/fonts.h"
#include "shell/form7_login.h"
#include "shell/form_registry.h"
#include "shell/window_directory.h"

int main(int argc, char* argv[]) {
    // The root and the one-copy check come before any window: a second copy
    // ends here, unseen.
    const QString exeDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    platform::setRoot(platform::chooseRoot(QFileInfo(exeDir).path()));
    platform::SingleInstance instance(platform::WindowsDir() + QStringLiteral("tawen.lock"));
    if (!instance.acquire()) return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tawen"));
    // No display name: the desktop would append it to every caption, and
    // each window's caption is exactly its own ("用户登录", "提示").
    // The program ends when the main window closes, not when the login
    // window makes way for it.
    QApplication::setQuitOnLastWindowClosed(false);
    tawen::installFonts();

    tawen::registerWindows();
    tawen::forms().form<tawen::Form7>().show();
    const int status = QApplication::exec();
    tawen::forms().discardAll();
    return status;
}
