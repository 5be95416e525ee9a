#include <QTest>

#include "shell/command_line.h"

using tawen::displayPlatformFor;

// Which display platform the program asks Qt for before it opens a window.
class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void aWaylandSessionRunsThroughXWaylandUnlessAPlatformIsNamed() {
        QCOMPARE(displayPlatformFor("wayland", "wayland-0", nullptr),
                 std::optional<std::string>("xcb"));
        QCOMPARE(displayPlatformFor("wayland", nullptr, ""), std::optional<std::string>("xcb"));
        // A session that does not say what it is, but has a Wayland display.
        QCOMPARE(displayPlatformFor(nullptr, "wayland-1", nullptr),
                 std::optional<std::string>("xcb"));
        // The learner's own choice stands, Wayland included.
        QVERIFY(!displayPlatformFor("wayland", "wayland-0", "wayland"));
        QVERIFY(!displayPlatformFor("wayland", "wayland-0", "offscreen"));
        // An X11 session is left to Qt.
        QVERIFY(!displayPlatformFor("x11", nullptr, nullptr));
        QVERIFY(!displayPlatformFor(nullptr, nullptr, nullptr));
        QVERIFY(!displayPlatformFor("tty", "", nullptr));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
