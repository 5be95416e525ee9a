#include "study/study_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include "library/form2_library.h"
#include "platform/window_timer.h"
#include "shell/form_registry.h"
#include "shell/session.h"

namespace tawen {

StudyWindow::StudyWindow(Mode own, const QString& section, QMenu* toolMenu)
    : navigation(new Navigation(*this, own)),
      StatusPanel1(new QLabel),
      StatusPanel2(new QLabel),
      StatusPanel3(new QLabel),
      settings_(section) {
    installModeMenus(*this, *navigation, toolMenu);
    connect(navigation, &Navigation::modeChosen, this,
            [this](Mode target) { switchFromStudyWindow(*this, target); });
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(StatusPanel1, 3);
    statusBar()->addWidget(StatusPanel2, 2);
    statusBar()->addWidget(StatusPanel3, 2);
}

QString StudyWindow::rangeStart() const { return QString::number(cursor_.range().first); }

QString StudyWindow::rangeEnd() const { return QString::number(cursor_.range().last); }

void StudyWindow::readRange(const QString& hint) {
    const Form2& library = forms().form<Form2>();
    StatusPanel1->setText(QStringLiteral("课程：") + CurrentCourseName);
    const StudyRange range = library.studyRange();
    StatusPanel2->setText(QStringLiteral("学习：(") + range.asShown() + u')');
    StatusPanel3->setText(hint);
    cursor_ = WordCursor(*library.words, range);
}

void StudyWindow::showProgress() {
    StatusPanel3->setText(u'第' + QString::number(cursor_.row()) + u'词');
}

void StudyWindow::stopOnClose(std::initializer_list<platform::WindowTimer*> timers) {
    timers_.append(timers);
}

void StudyWindow::closeEvent(QCloseEvent* event) {
    for (platform::WindowTimer* timer : timers_) timer->setEnabled(false);
    finishing();
    settings_.save();
    hide();
    forms().returnToMainWindow();
    event->accept();
    forms().release(this);
}

}  // namespace tawen
