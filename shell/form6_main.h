#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;

namespace tawen {

class Form2;
class Navigation;

// The main window "塔文英语单词": the hub after login. It shows who is logged
// in and which course is chosen; its menus and toolbar open every mode.
class Form6 final : public QMainWindow {
    Q_OBJECT
  public:
    Form6();

    QWidget* Picture1;  // the background picture
    QLabel* Label1;     // user line
    QLabel* Label2;     // course line
    QLabel* Label3;     // welcome text
    Navigation* navigation;

    QMenu* mnuuser;
    QAction* mnunews;
    QAction* mnuchang;
    QAction* mnuexit;
    QMenu* mnutool;
    QAction* mnuzl;
    QAction* mnudialogue;
    QAction* mnump3;
    QAction* mnunetapp;
    QMenu* mnuhelp;
    QAction* mnuhelpcontents;
    QAction* mnumail;
    QAction* mnuforum;
    QAction* mnuabout;
    QMenu* mnuexi;

    // The load steps, run by the form registry once the window is known to it.
    void load();

    void mnunews_Click() { restart(); }
    void mnuchang_Click() { restart(); }
    void mnuexit_Click();
    void mnuhelpcontents_Click();
    void mnumail_Click();
    void mnuforum_Click();
    void mnuabout_Click();
    void mnuzl_Click();
    void mnudialogue_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void restart();
    void listenTo(const Form2& library);
    void showChosenCourse(const QString& courseLine);
};

}  // namespace tawen
