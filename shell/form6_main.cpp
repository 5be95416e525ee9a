#include "shell/form6_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "agents/form11_dialogue.h"
#include "agents/speech_engine.h"
#include "library/form13_organizer.h"
#include "library/form2_library.h"
#include "platform/audio_outputs.h"
#include "platform/launcher.h"
#include "platform/prompt.h"
#include "platform/single_instance.h"
#include "shell/about/form12_about.h"
#include "shell/about/help_viewer.h"
#include "shell/about/links.h"
#include "shell/artwork.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "shell/window_dragger.h"
#include "shell/window_placement.h"

namespace tawen {

namespace {

// The background: our picture, scaled to the window. Drawing it takes
// milliseconds, so it is drawn once per size and every paint copies it.
class BackgroundPicture final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (picture_.size() != size()) picture_ = mainBackground(size());
        QPainter painter(this);
        painter.drawPixmap(event->rect(), picture_, event->rect());
    }

  private:
    QPixmap picture_;
};

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

const QString kWelcome = QStringLiteral(
    "提示：欢迎您使用《塔文英语单词》软件，请选择适合您的课程的词库学习。\n"
    "       在学习中如果发现软件有问题或有好的建议请给我来信。\n"
    "       希望《塔文英语单词》有助您的学习。");

}  // namespace

Form6::Form6()
    : Picture1(new BackgroundPicture(this)),
      Label1(new QLabel(Picture1)),
      Label2(new QLabel(Picture1)),
      Label3(new QLabel(Picture1)),
      navigation(new Navigation(*this, std::nullopt)) {
    setCentralWidget(Picture1);
    new WindowDragger(*Picture1);
    auto* column = new QVBoxLayout(Picture1);
    column->setContentsMargins(28, 22, 28, 22);
    column->setSpacing(10);
    for (QLabel* label : {Label1, Label2, Label3}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        column->addWidget(label);
    }
    QFont larger = Label1->font();
    larger.setPointSize(12);
    Label1->setFont(larger);
    Label2->setFont(larger);
    column->addStretch();
    buildMenus();
    connect(navigation, &Navigation::modeChosen, this, &switchFromMainWindow);
    // The library window may be unloaded and made again; each one announces
    // its course line here.
    connect(&forms(), &FormRegistry::loading, this, [this](QWidget* form) {
        if (auto* library = qobject_cast<Form2*>(form)) listenTo(*library);
    });
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    setFixedSize(680, 480);
    centerOnScreen(*this);
}

void Form6::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuuser = addMenu(bar, "mnuuser", QStringLiteral("用户(&U)"));
    mnunews = addItem(mnuuser, "mnunews", QStringLiteral("新用户(&N)　　　"));
    mnuchang = addItem(mnuuser, "mnuchang", QStringLiteral("更换用户(&C)　　　"));
    mnuuser->addSeparator();
    mnuexit = addItem(mnuuser, "mnuexit", QStringLiteral("退出(&X)"));
    mnuexit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(mnunews, &QAction::triggered, this, &Form6::mnunews_Click);
    connect(mnuchang, &QAction::triggered, this, &Form6::mnuchang_Click);
    connect(mnuexit, &QAction::triggered, this, &Form6::mnuexit_Click);

    bar->addMenu(navigation->mnustudy);

    mnutool = addMenu(bar, "mnutool", QStringLiteral("工具(&T)"));
    mnuzl = addItem(mnutool, "mnuzl", QStringLiteral("整理个人词库"));
    mnudialogue = addItem(mnutool, "mnudialogue", QStringLiteral("口语对话"));
    connect(mnuzl, &QAction::triggered, this, &Form6::mnuzl_Click);
    connect(mnudialogue, &QAction::triggered, this, &Form6::mnudialogue_Click);
    mnutool->addSeparator()->setVisible(false);
    mnump3 = addItem(mnutool, "mnump3", QStringLiteral("制作英语WAV"));
    mnunetapp = addItem(mnutool, "mnunetapp", QStringLiteral("在线更新升级"));
    mnump3->setVisible(false);
    mnunetapp->setVisible(false);

    mnuexi = addMenu(bar, "mnuexi", QStringLiteral("设置(&E)"));
    const char* settingsPages[] = {"常规", "初学", "复习", "巩固", "小窗口", "小精灵"};
    int functionKey = Qt::Key_F1;
    for (const char* page : settingsPages) {
        QAction* item = mnuexi->addAction(QString::fromUtf8(page));
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(functionKey++)));
        item->setEnabled(false);
    }
    mnuexi->menuAction()->setVisible(false);

    mnuhelp = addMenu(bar, "mnuhelp", QStringLiteral("帮助(&H)"));
    mnuhelpcontents = addItem(mnuhelp, "mnuhelpcontents", QStringLiteral("内容(&C)..."));
    mnuhelpcontents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuhelp->addSeparator();
    mnumail = addItem(mnuhelp, "mnumail", QStringLiteral("联系(&M)"));
    mnuforum = addItem(mnuhelp, "mnuforum", QStringLiteral("学习主页(&F)"));
    mnuhelp->addSeparator();
    mnuabout = addItem(mnuhelp, "mnuabout", QStringLiteral("关于(&A)..."));
    connect(mnuhelpcontents, &QAction::triggered, this, &Form6::mnuhelpcontents_Click);
    connect(mnumail, &QAction::triggered, this, &Form6::mnumail_Click);
    connect(mnuforum, &QAction::triggered, this, &Form6::mnuforum_Click);
    connect(mnuabout, &QAction::triggered, this, &Form6::mnuabout_Click);
}

void Form6::load() {
    Form2& library = forms().form<Form2>();
    listenTo(library);
    if (platform::audioOutputCount() > 0) {
        speech().Register(QString(10, u' '), QString(10, u' '));
    } else {
        platform::prompt().message(
            QStringLiteral("系统无声卡或未装声卡驱动程序，请安装好以后再试..."),
            QStringLiteral("错误提示"));
        // Closing ends the program once the login window has handed over.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    const QListWidgetItem* course = library.List1->currentItem();
    CurrentCourseName = course ? course->text().trimmed() : QString();
    Label1->setText(QStringLiteral("用户：") + CurrentUser);
    // The library window's own load has just chosen the saved course (or
    // the first one); choosing it again here would load it a second time.
    if (!ReadSetting(QStringLiteral("词库"), QStringLiteral("名称")).isEmpty()) {
        Label2->setText(library.courseLine());
    } else {
        Label2->setText(QStringLiteral("课程：《小学英语第一册》"));
        Label3->setText(kWelcome);
    }
    setWindowTitle(QStringLiteral("塔文英语单词"));
}

void Form6::listenTo(const Form2& library) {
    connect(&library, &Form2::courseChosen, this, &Form6::showChosenCourse, Qt::UniqueConnection);
    connect(&library, &Form2::courseLineChanged, Label2, &QLabel::setText, Qt::UniqueConnection);
}

void Form6::showChosenCourse(const QString& courseLine) {
    Label1->setText(QStringLiteral("用户：") + CurrentUser);
    Label2->setText(courseLine);
    Label3->clear();
}

void Form6::restart() {
    // The lock goes first: however long this copy takes to end, the copy vexo
    // starts must not find it still held.
    const bool lockWasHeld = platform::programInstance().release();
    if (!platform::startProgram(QStringLiteral("vexo"))) {
        if (lockWasHeld) platform::programInstance().acquire();
        platform::prompt().message(
            QStringLiteral("无法启动 vexo，不能更换用户。请重新安装塔文英语单词后再试。"),
            QStringLiteral("错误提示"));
        return;
    }
    mnuexit_Click();
}

// Ends the run at once: no window is unloaded, so none writes its settings.
void Form6::mnuexit_Click() { QCoreApplication::exit(0); }

void Form6::mnuhelpcontents_Click() { showHelp(HelpFocus::Leave); }

void Form6::mnumail_Click() { mailAuthor(); }

void Form6::mnuforum_Click() { openHomePage(); }

void Form6::mnuzl_Click() {
    Form13 organizer(this);
    organizer.exec();
}

// Over the window the learner is in: this one, or the consolidation test
// whose tool menu passes the click on.
void Form6::mnudialogue_Click() {
    QWidget* over = QApplication::activeWindow();
    openDialogue(over ? over : this);
}

void Form6::mnuabout_Click() {
    Form12 about(this);
    about.exec();
}

void Form6::closeEvent(QCloseEvent* event) {
    // The other windows go first, each running its own closing steps.
    forms().unloadForMainWindow();
    event->accept();
    forms().release(this);
    QCoreApplication::quit();
}

}  // namespace tawen
