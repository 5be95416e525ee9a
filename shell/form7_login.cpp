#include "shell/form7_login.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/prompt.h"
#include "shell/byte_limit_validator.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_name_rules.h"
#include "shell/user_registry.h"
#include "shell/user_settings.h"
#include "shell/window_placement.h"

namespace tawen {

namespace {

const QString kNewUserHint = QStringLiteral("[新用户请登记]");
const QString kNoticeTitle = QStringLiteral("提示");
const QString kAskForName = QStringLiteral("请先在“用户：”框中选择或输入用户名，再按“登录”。");
const QString kErrorTitle = QStringLiteral("错误提示");
const QString kRegistryWriteFailed = QStringLiteral(
    "新用户登记失败：无法写入用户名单 system/List.sys。\n"
    "请检查磁盘是否已满、文件夹是否可写，然后再试。");

// Shows each typed letter of the password as "*". A style sheet would say
// the same, but applying one costs the first window a millisecond.
class StarEchoStyle final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

Form7::Form7()
    : Frame1(new QFrame(this)),
      Label1(new QLabel(QStringLiteral("用户："), Frame1)),
      Combo1(new QComboBox(Frame1)),
      Label2(new QLabel(QStringLiteral("密码："), Frame1)),
      Text1(new QLineEdit(Frame1)),
      Command1(new QPushButton(QStringLiteral("登录"), Frame1)) {
    setWindowTitle(QStringLiteral("用户登录"));
    // A plain frame, not a group box: the style draws a group box from a
    // picture, and reading the first picture of a run wakes Qt's image
    // plugins, which the first window need not wait for.
    Frame1->setFrameShape(QFrame::StyledPanel);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    // Editable through a line edit of its own: setEditable would also build
    // the drop-down list's window now rather than when the list first opens.
    Combo1->setLineEdit(new QLineEdit(Combo1));
    // Names match exactly as typed. The combo's own completer ignores letter
    // case and, when the box is left, swaps "Alice" for a stored "alice";
    // the learner picks a stored name from the list instead.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMinimumWidth(170);
    Combo1->lineEdit()->setValidator(new ByteLimitValidator(kUserFieldBytes, Combo1));
    Text1->setEchoMode(QLineEdit::Password);
    auto* echo = new StarEchoStyle;
    echo->setParent(Text1);
    Text1->setStyle(echo);

    Text1->setValidator(new ByteLimitValidator(kUserFieldBytes, Text1));

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 16, 18, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(12);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Command1, 2, 1, Qt::AlignRight);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 10);
    outer->addWidget(Frame1);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Combo1->lineEdit(), &QLineEdit::returnPressed, this, &Form7::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Form7::Command1_Click);

    for (const UserRecord& record : UserRegistry(UserRegistry::defaultPath()).records())
        Combo1->addItem(record.name);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(kNewUserHint);
    // The hint is selected, so a new learner simply types over it.
    Combo1->lineEdit()->selectAll();
    Combo1->setFocus();
}

// Centred when shown, not when built: only then has the layout given the
// window its real size.
void Form7::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) centerOnScreen(*this);
    QWidget::showEvent(event);
}

// Blanks round a name or password cannot be stored (fields are read back
// stripped), so they are dropped before comparing and creating.
void Form7::Command1_Click() {
    const QString name = Combo1->currentText().trimmed();
    const QString password = Text1->text().trimmed();
    if (name == kNewUserHint && !password.isEmpty()) {
        platform::prompt().message(kAskForName, kNoticeTitle);
        Combo1->setFocus();
        Combo1->lineEdit()->selectAll();
        return;
    }
    if (!name.isEmpty()) {
        if (const auto refusal = refusedUserName(name)) {
            platform::prompt().message(*refusal, kNoticeTitle);
            return;
        }
    }
    for (const UserRecord& record : UserRegistry(UserRegistry::defaultPath()).records()) {
        if (record.name != name) continue;
        if (record.password == password) {
            logIn(record.name);
        } else {
            platform::prompt().message(QStringLiteral("密码出错!"), kNoticeTitle);
            reopen();
        }
        return;
    }
    if (!name.isEmpty() && !password.isEmpty()) createUser(name, password);
}

void Form7::logIn(const QString& storedName) {
    CurrentUser = storedName;
    showMainWindow();
}

void Form7::createUser(const QString& name, const QString& password) {
    if (!storeNewUser({name, password})) {
        platform::prompt().message(kRegistryWriteFailed, kErrorTitle);
        return;
    }
    showMainWindow();
}

void Form7::showMainWindow() {
    Form6& main = forms().form<Form6>();
    main.Label1->setText(QStringLiteral("用户：") + CurrentUser);
    main.show();
    handingOver_ = true;
    close();
}

void Form7::reopen() {
    handingOver_ = true;
    close();
    forms().form<Form7>().show();
}

void Form7::closeEvent(QCloseEvent* event) {
    event->accept();
    forms().release(this);
    if (!handingOver_) QCoreApplication::quit();
}

}  // namespace tawen
