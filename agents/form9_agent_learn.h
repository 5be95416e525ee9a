#pragma once

#include <QComboBox>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

#include "agents/agent_pair.h"
#include "shell/settings_section.h"
#include "study/word_cursor.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace platform {
class WindowTimer;
}

namespace tawen {

class UpDown;

// A drop-down list that lets its window change the entries just before
// they drop down.
class DropDownList final : public QComboBox {
  public:
    std::function<void()> DropDown;
    void showPopup() override {
        if (DropDown) DropDown();
        QComboBox::showPopup();
    }
};

// The agent first-learn: two characters on the desktop drill the study range,
// one asking with one side of each word and the other answering with the
// other, a set number of times per word. This window, "精灵设置", is only
// their settings panel: it stays hidden while they play and comes up from
// their right-click menu 初记精灵.
class Form9 final : public QDialog {
    Q_OBJECT
  public:
    Form9();

    QGroupBox* Frame1;  // 精灵Ⅰ
    DropDownList* Combo1;
    QGroupBox* Frame2;  // 精灵Ⅱ
    DropDownList* Combo2;
    QGroupBox* Frame5;  // 发音引擎
    QComboBox* Combo3;
    QGroupBox* Frame4;      // 读词
    QCheckBox* Check1;      // 打乱词序
    QCheckBox* Check2;      // 英文发音
    QRadioButton* Option1;  // 缓出英文
    QRadioButton* Option2;  // 缓出中文
    QLineEdit* Text2;       // exchanges per word
    UpDown* UpDown1;
    QLineEdit* Text3;  // seconds per exchange
    UpDown* UpDown2;
    QPushButton* Command2;  // 默认值
    QPushButton* Command3;  // 确定(&Y)
    QPushButton* Command8;  // 取消(&N)
    QLabel* Label7;         // 下载更多动画精灵
    // Never seen: the current word and the steps through the range.
    QLineEdit* Text4;               // English
    QLineEdit* Text5;               // Chinese
    QPushButton* Command4;          // plain back
    QPushButton* Command5;          // plain forward
    QPushButton* Command6;          // random back
    QPushButton* Command7;          // random forward
    QStringList File1;              // the character folder, in name order
    platform::WindowTimer* Timer1;  // exchange
    platform::WindowTimer* Timer2;  // advance

    QMenu* FRagent;  // 初记精灵, a right click on a character
    QAction* mnuSz;
    QAction* mnuPlay;
    QAction* mnuStop;
    QAction* mnuNext;
    QAction* mnuUP;
    QAction* mnuback;
    QAction* mnuExit;
    QAction* mnuclose;

    // The load steps: the settings, the characters on the desktop and their
    // greeting, the range, the timers. When the characters cannot come the
    // learner is told, and the window releases itself at once, leaving its
    // opener as it was.
    void load();

    WordRow currentRow() const { return cursor_.row(); }
    AgentCharacter* characterA() const;
    AgentCharacter* characterB() const;

    void Combo1_DropDown();
    void Combo2_DropDown();
    void Command2_Click();  // 默认值
    void Command3_Click();  // 确定
    void Command8_Click();  // 取消
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Label7_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuSz_Click();
    void mnuPlay_Click();
    void mnuStop_Click();
    void mnuNext_Click();
    void mnuUP_Click();
    void mnuback_Click();
    void mnuExit_Click();
    void Agent_Click(const QString& characterId, int button, int shift, int x, int y);

  protected:
    // The panel's own close box and Escape are 取消: the characters play on.
    // Closing it from the program unloads the window, taking them away.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void buildControls();
    void buildMenu();
    void declareSettings();
    void chooseCharacters(const QString& a, const QString& b);
    void offerAllBut(QComboBox& box, const QString& other);
    void placeBesideCharacters();
    bool bringCharacters();
    bool setLanguageAndVoice();
    void readRange();
    void showRow();
    void exchange(Looks looks);
    Roles roles() const;
    AgentCharacter& englishRole();
    int exchangesPerWord() const;
    int secondsPerExchange() const;
    void unloadCharacters();
    void failToLoad(const QString& message);

    SettingsSection settings_;
    WordCursor cursor_;
    std::optional<AgentPair> pair_;
};

}  // namespace tawen
