#include "shell/form6_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/form7_login.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/window_placement.h"

namespace tawen {

Form6::Form6() : Label1(new QLabel), Label2(new QLabel), Label3(new QLabel) {
    SettingsPath = settingsPathFor(CurrentUser);
    Label1->setText(QStringLiteral("用户：") + CurrentUser);
    Label3->setWordWrap(true);

    auto* background = new QWidget(this);
    auto* column = new QVBoxLayout(background);
    column->setContentsMargins(24, 20, 24, 20);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addWidget(Label3);
    column->addStretch();
    setCentralWidget(background);
    resize(640, 420);
    setWindowTitle(QStringLiteral("塔文英语单词"));
    centerOnScreen(*this);
}

void Form6::closeEvent(QCloseEvent* event) {
    // The other windows go first, each running its own closing steps.
    forms().unload<Form7>();
    event->accept();
    forms().release(this);
    QCoreApplication::quit();
}

}  // namespace tawen
