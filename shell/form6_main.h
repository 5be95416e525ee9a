#pragma once

#include <QMainWindow>

class QLabel;

namespace tawen {

// The main window "塔文英语单词": the hub after login.
class Form6 final : public QMainWindow {
    Q_OBJECT
  public:
    Form6();

    QLabel* Label1;  // user line
    QLabel* Label2;  // course line
    QLabel* Label3;  // welcome text

  protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tawen
