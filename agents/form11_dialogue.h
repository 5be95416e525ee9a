#pragma once

#include <QDialog>
#include <QStringList>

#include "agents/character_engine.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace platform {
class WindowTimer;
}

namespace tawen {

// "口语对话": an English conversation listed line by line beside its Chinese
// translation, read aloud in turn by two characters on the desktop. Opened
// modally from the tool menus; its 返回 (on a character's right-click menu)
// closes it, which takes the characters away.
class Form11 final : public QDialog {
    Q_OBJECT
  public:
    explicit Form11(QWidget* parent = nullptr);

    QTreeWidget* ListView1;         // 英文, 中文; the current row is the line spoken
    QPushButton* Command1;          // 加载新对话
    QPushButton* Command2;          // 开始 / 暂停
    QLabel* Label7;                 // 下载更多口语对话
    platform::WindowTimer* Timer1;  // A's turn
    platform::WindowTimer* Timer2;  // B's turn
    QMenu* mnufile;                 // popped up by a right click on a character
    QAction* mnuback;
    QStringList File1;  // the character folder

    // The load steps: the default script and the two characters. False when
    // the characters cannot be had; the learner has been told, and the window
    // is not to be shown.
    bool load();

    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Label7_Click();
    void mnuback_Click();
    void Agent_Click(const QString& characterId, int button, int shift, int x, int y);

    void done(int result) override;

  private:
    void buildControls();
    bool readScript(const QString& path);
    bool loadCharacter(const QString& id, const QString& file);
    void turn(platform::WindowTimer& own, AgentCharacter& speaker, AgentCharacter& listener,
              platform::WindowTimer& next);
    void advanceRow();

    QString scriptPath_;
    QString fileA_;
    QString fileB_;
    AgentCharacter* Agent1 = nullptr;
    AgentCharacter* Agent2 = nullptr;
    AgentRequest lastRequest_;
};

// Opens the dialogue over `parent` and returns when it closes.
void openDialogue(QWidget* parent);

}  // namespace tawen
