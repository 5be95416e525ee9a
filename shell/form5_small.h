#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>

#include "agents/word_speaker.h"
#include "shell/settings_section.h"
#include "shell/small_beat.h"
#include "shell/small_layout.h"
#include "study/word_cursor.h"

class QAction;
class QLabel;
class QMenu;

namespace platform {
class WindowTimer;
}

namespace tawen {

// The small window "小窗口": a borderless ticker that stays on top of every
// other window and, on a steady beat, shows the words of the study range with
// their meanings and pronounces them, while the learner works elsewhere. It is
// moved by dragging its face and driven by a pop-up menu on the right button
// and a strip of picture buttons that shows while the pointer is over it.
//
// Lengths in the layout rules are twips, as the settings keep the position.
class Form5 final : public QWidget {
    Q_OBJECT
  public:
    Form5();

    QLabel* Label1;     // the first text: the word, or the meaning when the word comes later
    QLabel* Label2;     // the second text
    QWidget* Picture1;  // the strip of picture buttons at the right edge
    QLabel* Image1;     // pause or play
    QLabel* Image4;     // read the word again
    QLabel* Image2;     // previous word, within reach while paused
    QLabel* Image3;     // next word, within reach while paused
    QPixmap Image5;     // the pause picture
    QPixmap Image6;     // the play picture
    platform::WindowTimer* Timer1;  // the beat
    platform::WindowTimer* Timer2;  // the delayed second text

    QMenu* mnupop;
    QAction* mnuSound;
    QAction* mnuDisorder;
    QMenu* mnuText;
    QAction* mnuoneRow;
    QAction* mnutwoRow;
    QAction* mnuAllText;
    QAction* mnuchineseL;
    QAction* mnuenglishL;
    QMenu* mnuRead;
    std::array<QAction*, 9> mnuReadS;  // "1遍" to "9遍": beats per word
    QMenu* mnuInterval;
    std::array<QAction*, 9> mnutimeS;  // "1秒" to "9秒": seconds per beat
    QAction* mnustop;
    QAction* mnuplay;
    QAction* mnuup;
    QAction* mnudown;
    QAction* mnurepeat;
    QAction* mnuback;
    QAction* mnuExit;

    // The load steps, run by the form registry once the window is known to it.
    void load();

    WordRow currentRow() const { return cursor_.row(); }
    bool playing() const;

    void Timer1_Timer();
    void Timer2_Timer();

    void mnuoneRow_Click();
    void mnutwoRow_Click();
    void mnustop_Click();
    void mnuplay_Click();
    void mnuup_Click();
    void mnudown_Click();
    void mnurepeat_Click();
    void mnuback_Click();
    void mnuExit_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void buildMenu();
    void declareSettings();
    QList<QAction*> rowItems() const;
    QList<QAction*> textModeItems() const;
    void restorePosition(QPoint twips);
    QPoint positionTwips() const;

    void showText(QLabel* label, const QString& text);
    bool oneRow() const;
    SmallLayout layout() const;
    void showRows();
    void layOut();
    void placeSecondLabel();
    void fitWindow();
    void widenForSecondText();
    void placeStrip();
    void setStripWidth(int twips);
    void setPlaying(bool playing);

    void stepForward();
    void stepBackward();
    void showWord();
    void showSteppedWord();
    void speakWord(WordSpeaker::Reading reading);

    int lineHeight_ = 0;  // pixels
    int rowGrowth_ = 0;   // twips each row gains over the design's
    WordCursor cursor_;   // the word and meaning shown are those of its row
    BeatCounter beats_;
    // Very high priority (128): a new beat cuts off a word still being said
    // instead of queueing behind it. 16 asks for the reading style.
    WordSpeaker speaker_{144};
    bool ending_ = false;  // 退出: the program ends, the main window stays hidden

    SettingsSection settings_;
    QPoint storedPosition_;  // twips: the design's until the file names one
    // The position read from the settings and where it put the window, so an
    // unmoved window writes back exactly what it read.
    QPoint restoredTwips_;
    QPoint restoredAt_;
};

}  // namespace tawen
