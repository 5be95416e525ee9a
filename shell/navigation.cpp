#include "shell/navigation.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <map>

#include "shell/about/help_viewer.h"
#include "shell/artwork.h"
#include "shell/form_registry.h"

namespace tawen {

namespace {

MainMenus (*mainMenus)() = nullptr;

std::map<Mode, WindowReference>& modeWindows() {
    static std::map<Mode, WindowReference> windows;
    return windows;
}

}  // namespace

Navigation::Navigation(QMainWindow& host, std::optional<Mode> own)
    : QObject(&host),
      Toolbar1(new QToolBar(&host)),
      mnustudy(new QMenu(QStringLiteral("学习(&S)"), &host)),
      own_(own) {
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    host.addToolBar(Qt::TopToolBarArea, Toolbar1);

    addButton(QStringLiteral("t1"), QStringLiteral("词库"), Mode::Library);
    addButton(QStringLiteral("t2"), QStringLiteral("初学"), Mode::FirstLearn);
    addButton(QStringLiteral("t3"), QStringLiteral("复习"), Mode::Review);
    addButton(QStringLiteral("t4"), QStringLiteral("巩固"), Mode::Consolidation);
    addButton(QStringLiteral("t5"), QStringLiteral("小窗口"), Mode::Small);
    addButton(QStringLiteral("t6"), QStringLiteral("小精灵"), Mode::Agent);
    addButton(QStringLiteral("t7"), QStringLiteral("设置"), std::nullopt);
    addButton(QStringLiteral("t8"), QStringLiteral("帮助"), std::nullopt);
    connect(button(QStringLiteral("t8")), &QAction::triggered, this,
            [] { showHelp(HelpFocus::Take); });

    mnustudy->setObjectName(QStringLiteral("mnustudy"));
    mnuwordstock = addStudyItem("mnuwordstock", QStringLiteral("词库(&W)　　　"), Mode::Library);
    mnuwordstock->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
    mnustudy->addSeparator();
    mnufirst = addStudyItem("mnufirst", QStringLiteral("初学(&F)　　　"), Mode::FirstLearn);
    mnureview = addStudyItem("mnureview", QStringLiteral("复习(&R)　　　"), Mode::Review);
    mnustrong = addStudyItem("mnustrong", QStringLiteral("巩固(&T)　　　"), Mode::Consolidation);
    mnustudy->addSeparator();
    mnusmall = addStudyItem("mnusmall", QStringLiteral("小窗口(&L)　　　"), Mode::Small);
    mnusmall->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    mnueidolon = addStudyItem("mnueidolon", QStringLiteral("小精灵(&E)　　　"), Mode::Agent);
    mnulgame = mnustudy->addAction(QStringLiteral("小游戏(&G)"));
    mnulgame->setObjectName(QStringLiteral("mnulgame"));
    mnulgame->setVisible(false);
}

QAction* Navigation::button(const QString& key) const {
    for (QAction* action : Toolbar1->actions())
        if (action->objectName() == key) return action;
    return nullptr;
}

void Navigation::addButton(const QString& key, const QString& caption, std::optional<Mode> target) {
    QAction* action = Toolbar1->addAction(toolbarIcon(key), caption);
    action->setObjectName(key);
    if (target && target != own_)
        connect(action, &QAction::triggered, this, [this, target] { emit modeChosen(*target); });
}

QAction* Navigation::addStudyItem(const char* name, const QString& caption, Mode target) {
    QAction* action = mnustudy->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(target != own_);
    connect(action, &QAction::triggered, this, [this, target] { emit modeChosen(target); });
    return action;
}

void registerMainMenus(MainMenus (*menus)()) { mainMenus = menus; }

void registerModeWindow(Mode mode, WindowReference reference) { modeWindows()[mode] = reference; }

void installModeMenus(QMainWindow& host, Navigation& navigation, QMenu* toolMenu) {
    const MainMenus main = mainMenus();
    QMenuBar* bar = host.menuBar();
    bar->addMenu(main.user);
    bar->addMenu(navigation.mnustudy);
    bar->addMenu(toolMenu ? toolMenu : main.tool);
    bar->addMenu(main.help);
    auto* settings = new QMenu(QStringLiteral("设置(&E)"), &host);
    settings->setObjectName(QStringLiteral("mnuexi"));
    bar->addMenu(settings)->setVisible(false);
}

WindowReference modeWindow(Mode mode) {
    const auto found = modeWindows().find(mode);
    return found == modeWindows().end() ? nullptr : found->second;
}

bool openModeWindow(Mode mode) {
    const WindowReference reference = modeWindow(mode);
    if (!reference) return false;
    QWidget& window = reference();
    if (!forms().isLoaded(window)) return false;
    if (mode != Mode::Agent) window.show();
    return true;
}

void switchFromMainWindow(Mode target) {
    if (!modeWindow(target)) return;
    if (target == Mode::Agent) {
        if (openModeWindow(target)) forms().mainWindow().hide();
        return;
    }
    forms().mainWindow().hide();
    openModeWindow(target);
}

void switchFromStudyWindow(QWidget& self, Mode target) {
    if (!modeWindow(target)) return;
    if (target == Mode::Agent) {
        if (!openModeWindow(target)) return;
        self.close();
    } else {
        self.close();
        openModeWindow(target);
    }
    forms().mainWindow().hide();
}

}  // namespace tawen
