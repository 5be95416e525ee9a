#include "agents/form11_dialogue.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "agents/dialogue_script.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/random_source.h"
#include "platform/window_timer.h"
#include "shell/about/links.h"

namespace tawen {

namespace {

const QString kIdA = QStringLiteral("AgentIDA");
const QString kIdB = QStringLiteral("AgentIDB");
const QString kErrorTitle = QStringLiteral("错误提示");
const QString kStart = QStringLiteral("开始");
const QString kPause = QStringLiteral("暂停");
constexpr int kTurnMs = 3380;

QString defaultScript() { return platform::SharedDir() + QStringLiteral("/Dialogue/example.txt"); }

}  // namespace

Form11::Form11(QWidget* parent)
    : QDialog(parent),
      ListView1(new QTreeWidget),
      Command1(new QPushButton(QStringLiteral("加载新对话"))),
      Command2(new QPushButton(kStart)),
      Label7(new QLabel(QStringLiteral("<a href=\"#\">下载更多口语对话</a>"))),
      Timer1(new platform::WindowTimer(this)),
      Timer2(new platform::WindowTimer(this)),
      mnufile(new QMenu(QStringLiteral("菜单"), this)),
      mnuback(mnufile->addAction(QStringLiteral("返回"))) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("口语对话"));
    buildControls();
    for (platform::WindowTimer* timer : {Timer1, Timer2}) timer->setInterval(kTurnMs);
    connect(Timer1, &platform::WindowTimer::Timer, this, &Form11::Timer1_Timer);
    connect(Timer2, &platform::WindowTimer::Timer, this, &Form11::Timer2_Timer);
    connect(Command1, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form11::Command2_Click);
    connect(Label7, &QLabel::linkActivated, this, &Form11::Label7_Click);
    connect(mnuback, &QAction::triggered, this, &Form11::mnuback_Click);
    connect(&characters(), &CharacterEngine::Click, this, &Form11::Agent_Click);
}

void Form11::buildControls() {
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("英文"), QStringLiteral("中文")});
    ListView1->setRootIsDecorated(false);
    ListView1->setAlternatingRowColors(true);
    ListView1->setWordWrap(true);
    ListView1->header()->setStretchLastSection(true);
    ListView1->setColumnWidth(0, 390);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setCursor(Qt::PointingHandCursor);
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnuback->setObjectName(QStringLiteral("mnuback"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    buttons->addWidget(Label7);
    auto* page = new QVBoxLayout(this);
    page->addWidget(ListView1, 1);
    page->addLayout(buttons);
    resize(720, 440);
}

bool Form11::load() {
    scriptPath_ = defaultScript();
    // A script that breaks off keeps the rows read; its last row may lack
    // its Chinese. Nothing more is wrong enough to stop the dialogue.
    if (QFileInfo::exists(scriptPath_)) readScript(scriptPath_);
    File1 = characterFiles();
    if (File1.size() < 2) {
        platform::prompt().message(
            QStringLiteral("动画精灵文件夹“%1”里少于两个精灵文件，不能进行口语对话。")
                .arg(QDir::toNativeSeparators(characterFolder())),
            kErrorTitle);
        return false;
    }
    fileA_ = File1.at(0);
    fileB_ = File1.at(1);
    if (!loadCharacter(kIdA, fileA_) || !loadCharacter(kIdB, fileB_)) return false;
    Agent1 = characters().Characters(kIdA);
    Agent2 = characters().Characters(kIdB);
    return true;
}

bool Form11::loadCharacter(const QString& id, const QString& file) {
    const QString problem = characters().Load(id, file);
    if (!problem.isEmpty()) {
        platform::prompt().message(problem, kErrorTitle);
        return false;
    }
    AgentCharacter* character = characters().Characters(id);
    character->setAutoPopupMenu(false);
    character->setLanguageID(1033);
    return true;
}

// Adds the script's rows, the first one current; false when it could not
// be read to its end (the rows read stay).
bool Form11::readScript(const QString& path) {
    const DialogueScript script = readDialogueScript(path);
    for (const DialogueRow& row : script.rows)
        ListView1->addTopLevelItem(new QTreeWidgetItem({row.english, row.chinese}));
    if (QTreeWidgetItem* first = ListView1->topLevelItem(0)) ListView1->setCurrentItem(first);
    return script.complete;
}

void Form11::Command1_Click() {
    const QString chosen =
        platform::prompt().openFileName(QStringLiteral("打开"), defaultScript(),
                                        QStringLiteral("口语对话 (*.txt);;所有文件(*.*) (*)"));
    // A cancelled dialog leaves its preset name: the default script again.
    scriptPath_ = chosen.isEmpty() ? defaultScript() : chosen;
    ListView1->clear();
    if (!readScript(scriptPath_))
        platform::prompt().message(
            QStringLiteral("导入的文件不能正确读入，可能文件被破坏或格式不合."), kErrorTitle);
}

void Form11::Command2_Click() {
    Agent1->MoveTo(180, 400);
    Agent1->Show();
    Agent2->MoveTo(500, 400);
    Agent2->Show();
    const QTreeWidgetItem* selected = ListView1->currentItem();
    if (!selected) {
        Agent1->Hide();
        Agent2->Hide();
        return;
    }
    lastRequest_ = Agent1->Speak(selected->text(0));
    Agent2->Wait(lastRequest_);
    if (Command2->text() != kStart) {
        Timer1->setEnabled(false);
        Timer2->setEnabled(false);
        Command2->setText(kStart);
    } else {
        Timer2->setEnabled(true);
        Command2->setText(kPause);
    }
}

void Form11::Timer1_Timer() { turn(*Timer1, *Agent1, *Agent2, *Timer2); }

void Form11::Timer2_Timer() { turn(*Timer2, *Agent2, *Agent1, *Timer1); }

void Form11::turn(platform::WindowTimer& own, AgentCharacter& speaker, AgentCharacter& listener,
                  platform::WindowTimer& next) {
    own.setEnabled(false);
    if (ListView1->topLevelItemCount() > 0) {
        advanceRow();
        lastRequest_ = speaker.Speak(ListView1->currentItem()->text(0));
        speaker.Play(turnAnimation(platform::random().next()));
        listener.Wait(lastRequest_);
    }
    next.setEnabled(true);
}

void Form11::advanceRow() {
    QTreeWidgetItem* selected = ListView1->currentItem();
    const int last = ListView1->topLevelItemCount() - 1;
    const int row = selected ? ListView1->indexOfTopLevelItem(selected) : last;
    const bool restart = row == last || !selected->isSelected();
    QTreeWidgetItem* next = ListView1->topLevelItem(restart ? 0 : row + 1);
    ListView1->setCurrentItem(next);
    next->setSelected(true);
    ListView1->scrollToItem(next);
}

void Form11::Label7_Click() { openHomePage(); }

void Form11::mnuback_Click() { reject(); }

void Form11::Agent_Click(const QString& characterId, int button, int, int x, int y) {
    if (button != 2 || (characterId != kIdA && characterId != kIdB)) return;
    mnufile->popup(QPoint(x, y));
}

void Form11::done(int result) {
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    characters().Unload(kIdA);
    characters().Unload(kIdB);
    Agent1 = Agent2 = nullptr;
    QDialog::done(result);
}

void openDialogue(QWidget* parent) {
    Form11 dialogue(parent);
    // Modal to the window it was opened from, not to the whole program: the
    // characters' own windows must still take their clicks and drags.
    dialogue.setWindowModality(Qt::WindowModal);
    if (dialogue.load()) dialogue.exec();
}

}  // namespace tawen
