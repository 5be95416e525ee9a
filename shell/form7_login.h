#pragma once

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tawen {

// The login window "用户登录": the first window of every run.
class Form7 final : public QWidget {
    Q_OBJECT
  public:
    Form7();

    QFrame* Frame1;
    QLabel* Label1;
    QComboBox* Combo1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;

    void Command1_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void logIn(const QString& storedName);
    void createUser(const QString& name, const QString& password);
    void showMainWindow();
    void reopen();

    // Set when this window hands over to the main window or to a fresh copy;
    // otherwise closing it ends the program.
    bool handingOver_ = false;
};

}  // namespace tawen
