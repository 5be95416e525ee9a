#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include "fakes/desktop.h"
#include "library/form2_library.h"
#include "shell/form5_small.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "study/form8_first_learn.h"

using namespace tawen;

namespace {

// One line per menu, item, separator or toolbar button, in the order the
// learner meets them, indented by depth:
//   <name> <caption> [<shortcut>] hidden|disabled
// A separator is "-"; an item the program gives no name shows its caption.
// The trailing full-width blanks of the study and user items are part of
// their captions.
struct Line {
    const char*
        windows;  // the windows that show it: "6" main, "2" library, "8" first-learn, "5" small
    const char* text;
};

// clang-format off
const Line kMenusAndToolbars[] = {
    // The user menu: the main window's own, shared by the mode windows.
    {"628", "mnuuser 用户(&U)"},
    {"628", "  mnunews 新用户(&N)　　　"},
    {"628", "  mnuchang 更换用户(&C)　　　"},
    {"628", "  -"},
    {"628", "  mnuexit 退出(&X) [Ctrl+Q]"},
    // The study menu: every window its own, its own mode disabled.
    {"628", "mnustudy 学习(&S)"},
    {"68",  "  mnuwordstock 词库(&W)　　　 [Ctrl+W]"},
    {"2",   "  mnuwordstock 词库(&W)　　　 [Ctrl+W] disabled"},
    {"628", "  -"},
    {"62",  "  mnufirst 初学(&F)　　　"},
    {"8",   "  mnufirst 初学(&F)　　　 disabled"},
    {"628", "  mnureview 复习(&R)　　　"},
    {"628", "  mnustrong 巩固(&T)　　　"},
    {"628", "  -"},
    {"628", "  mnusmall 小窗口(&L)　　　 [Ctrl+L]"},
    {"628", "  mnueidolon 小精灵(&E)　　　"},
    {"628", "  mnulgame 小游戏(&G) hidden"},
    // The tool menu.
    {"628", "mnutool 工具(&T)"},
    {"628", "  mnuzl 整理个人词库"},
    {"628", "  mnudialogue 口语对话"},
    {"628", "  - hidden"},
    {"628", "  mnump3 制作英语WAV hidden"},
    {"628", "  mnunetapp 在线更新升级 hidden"},
    // The settings menu: on the main window with its six disabled pages.
    {"6",   "mnuexi 设置(&E) hidden"},
    {"6",   "  常规 [Ctrl+F1] disabled"},
    {"6",   "  初学 [Ctrl+F2] disabled"},
    {"6",   "  复习 [Ctrl+F3] disabled"},
    {"6",   "  巩固 [Ctrl+F4] disabled"},
    {"6",   "  小窗口 [Ctrl+F5] disabled"},
    {"6",   "  小精灵 [Ctrl+F6] disabled"},
    // The help menu.
    {"628", "mnuhelp 帮助(&H)"},
    {"628", "  mnuhelpcontents 内容(&C)... [F1]"},
    {"628", "  -"},
    {"628", "  mnumail 联系(&M)"},
    {"628", "  mnuforum 学习主页(&F)"},
    {"628", "  -"},
    {"628", "  mnuabout 关于(&A)..."},
    // The mode windows' own settings menu, empty and out of sight.
    {"28",  "mnuexi 设置(&E) hidden"},
    // The toolbar.
    {"628", "Toolbar1"},
    {"628", "  t1 词库"},
    {"628", "  t2 初学"},
    {"628", "  t3 复习"},
    {"628", "  t4 巩固"},
    {"628", "  t5 小窗口"},
    {"628", "  t6 小精灵"},
    {"628", "  t7 设置"},
    {"628", "  t8 帮助"},
    // The small window's pop-up menu, as it opens: playing.
    {"5",   "mnupop 小窗口"},
    {"5",   "  mnuSound 英文发音(&S)"},
    {"5",   "  mnuDisorder 打乱词序(&D)"},
    {"5",   "  -"},
    {"5",   "  mnuText 文字显示(&T)"},
    {"5",   "    mnuoneRow 单行显示"},
    {"5",   "    mnutwoRow 双行显示"},
    {"5",   "    -"},
    {"5",   "    mnuAllText 同时出现"},
    {"5",   "    mnuchineseL 缓出中文"},
    {"5",   "    mnuenglishL 缓出英文"},
    {"5",   "  mnuRead 读词遍数(&R)"},
    {"5",   "    mnuReadS1 1遍"}, {"5", "    mnuReadS2 2遍"}, {"5", "    mnuReadS3 3遍"},
    {"5",   "    mnuReadS4 4遍"}, {"5", "    mnuReadS5 5遍"}, {"5", "    mnuReadS6 6遍"},
    {"5",   "    mnuReadS7 7遍"}, {"5", "    mnuReadS8 8遍"}, {"5", "    mnuReadS9 9遍"},
    {"5",   "  mnuInterval 间隔时间(&I)"},
    {"5",   "    mnutimeS1 1秒"}, {"5", "    mnutimeS2 2秒"}, {"5", "    mnutimeS3 3秒"},
    {"5",   "    mnutimeS4 4秒"}, {"5", "    mnutimeS5 5秒"}, {"5", "    mnutimeS6 6秒"},
    {"5",   "    mnutimeS7 7秒"}, {"5", "    mnutimeS8 8秒"}, {"5", "    mnutimeS9 9秒"},
    {"5",   "  -"},
    {"5",   "  mnustop 暂停(&T) [Ctrl+S]"},
    {"5",   "  mnuplay 播放(&P) [Ctrl+P] hidden"},
    {"5",   "  mnuup 上一词(&U) hidden"},
    {"5",   "  mnudown 下一词(&D) hidden"},
    {"5",   "  mnurepeat 复读(&F)"},
    {"5",   "  -"},
    {"5",   "  mnuback 返回(&B)"},
    {"5",   "  mnuExit 退出(&E)"},
};
// clang-format on

QString describe(const QAction* action, int depth) {
    QString line = QString(depth * 2, u' ');
    if (action->isSeparator()) {
        line += u'-';
    } else {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        line += name.isEmpty() ? action->text() : name + u' ' + action->text();
    }
    if (!action->shortcut().isEmpty())
        line += QStringLiteral(" [") + action->shortcut().toString() + u']';
    // A hidden action always reads as disabled too; only a shown one can tell.
    if (!action->isVisible())
        line += QStringLiteral(" hidden");
    else if (!action->isEnabled())
        line += QStringLiteral(" disabled");
    return line;
}

void describeMenu(const QAction* menuAction, int depth, QStringList& lines) {
    lines << describe(menuAction, depth);
    for (const QAction* item : menuAction->menu()->actions()) {
        if (item->menu())
            describeMenu(item, depth + 1, lines);
        else
            lines << describe(item, depth + 1);
    }
}

// Every menu of the menu bar, then the toolbar's buttons.
QStringList describeWindow(const QMainWindow& window) {
    QStringList lines;
    for (const QAction* menu : window.menuBar()->actions()) describeMenu(menu, 0, lines);
    const auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    if (!toolbar) return lines;
    lines << toolbar->objectName();
    for (const QAction* button : toolbar->actions()) lines << describe(button, 1);
    return lines;
}

QStringList expectedFor(char window) {
    QStringList lines;
    for (const Line& line : kMenusAndToolbars)
        if (std::string_view(line.windows).find(window) != std::string_view::npos)
            lines << QString::fromUtf8(line.text);
    return lines;
}

}  // namespace

// The captions, shortcuts and states of every menu and toolbar button the
// learner can meet, checked against one table.
class MenusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        CurrentUser = QStringLiteral("tester");
        writeDefaultSettings();
    }

    void cleanup() {
        forms().discardAll();
        desktop_.reset();
    }

    void everyMenuAndButtonReadsAsDesigned() {
        QCOMPARE(describeWindow(forms().form<Form6>()), expectedFor('6'));
        QCOMPARE(describeWindow(forms().form<Form2>()), expectedFor('2'));
        QCOMPARE(describeWindow(forms().form<Form8>()), expectedFor('8'));
        Form5& small = forms().form<Form5>();
        QStringList popup;
        describeMenu(small.findChild<QMenu*>(QStringLiteral("mnupop"))->menuAction(), 0, popup);
        QCOMPARE(popup, expectedFor('5'));
    }
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
