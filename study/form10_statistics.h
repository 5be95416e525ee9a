#pragma once

#include <QWidget>

class QLabel;
class QPainter;

namespace tawen {

// The statistics window: the score log of the current owner and test mode
// (ScoreOwner, ScoreMode) as the progress curve "进步曲线" or as the table
// "成绩统计表". A click on the picture switches between the two, reading the
// log afresh each time. It stays above every other window.
class Form10 final : public QWidget {
    Q_OBJECT
  public:
    Form10();

    QLabel* Picture1;  // the picture both views are drawn on

    // The load steps, run by the form registry: the curve, view count 0.
    void load();

    void Picture1_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Getrecentfiles();
    void drawPicture(void (*draw)(QPainter&, const QStringList&));

    int views_ = 0;
    bool doubleClicked_ = false;
};

// Brings up the statistics window for the current owner and mode: loaded and
// drawn when it is not open yet, only raised when it is.
void showScoreStatistics();

}  // namespace tawen
