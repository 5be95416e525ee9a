#include "study/form3_consolidation.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "platform/random_source.h"
#include "platform/window_timer.h"
#include "shell/control_touches.h"
#include "shell/form_registry.h"
#include "shell/window_placement.h"
#include "study/consolidation_rules.h"

namespace tawen {

namespace {

// Purposeful reading with the reading-style bit, as the test has always
// asked for its words.
constexpr int kSpeakFlags = 528;
constexpr int kFirstReading = 8;  // ms after the window opens

QLabel* hintLine(const QString& text = {}) {
    auto* line = steady(new QLabel(text));
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = line->font();
    font.setPointSize(10);
    line->setFont(font);
    // An empty line keeps its height, so line 3 stays line 3.
    line->setMinimumHeight(QFontMetrics(font).height() + 2);
    return line;
}

}  // namespace

Form3::Form3() : Form3(new QMenu(QStringLiteral("工具(&T)"))) {}

Form3::Form3(QMenu* toolMenu)
    : StudyWindow(Mode::Consolidation, QStringLiteral("巩固"), toolMenu),
      mnutool(toolMenu),
      mnuzl(mnutool->addAction(QStringLiteral("整理个人词库"))),
      mnudialogue(mnutool->addAction(QStringLiteral("口语对话"))),
      Label4(fieldTitle(QStringLiteral("中文："), Qt::AlignVCenter)),
      Text1(steady(new QPlainTextEdit)),
      Label5(fieldTitle(QStringLiteral("英文："), Qt::AlignVCenter)),
      Text2(new QLineEdit),
      Label6(fieldTitle(QStringLiteral("提示："), Qt::AlignVCenter)),
      Label3(hintLine(QStringLiteral("1.根据提示在英文框中输入相应的英文单词后按回车;"))),
      Label1(hintLine()),
      Label2(hintLine()),
      Check1(new QCheckBox(QStringLiteral("显示中文"))),
      Check2(new QCheckBox(QStringLiteral("打乱次序"))),
      Check3(new QCheckBox(QStringLiteral("英语读音"))),
      Check4(new QCheckBox(QStringLiteral("显示提示"))),
      Text5(new QLineEdit(QStringLiteral("3"))),
      Text4(new QLineEdit(QStringLiteral("3"))),
      Command1(new QPushButton(QStringLiteral("上一词(&L)"))),
      Command13(new QPushButton(QStringLiteral("下一词(&N)"))),
      Command7(new QPushButton(QStringLiteral("再读一遍"))),
      Command4(new QPushButton(QStringLiteral("帮助解答"))),
      Command12(new QPushButton(QStringLiteral("错误表(&M)"))),
      Command8(new QPushButton(QStringLiteral("进步曲线"))),
      Text3(offstage(new QLineEdit)),
      Command11(offstage(new QPushButton(QStringLiteral("确定")))),
      Command3(offstage(new QPushButton(QStringLiteral("读词")))),
      Command5(offstage(new QPushButton(QStringLiteral("随机上")))),
      Command6(offstage(new QPushButton(QStringLiteral("随机下")))),
      Timer1(new platform::WindowTimer(this)),
      speaker_(kSpeakFlags) {
    buildToolMenu();
    buildControls();
    stopOnClose({Timer1});
    declareSettings();
}

// The tools do here what they do from the main window.
void Form3::buildToolMenu() {
    mnutool->setParent(this, mnutool->windowFlags());
    mnutool->setObjectName(QStringLiteral("mnutool"));
    mnuzl->setObjectName(QStringLiteral("mnuzl"));
    mnudialogue->setObjectName(QStringLiteral("mnudialogue"));
    for (QAction* item : {mnuzl, mnudialogue}) {
        connect(item, &QAction::triggered, this, [name = item->objectName()] {
            if (auto* own = forms().mainWindow().findChild<QAction*>(name)) own->trigger();
        });
    }
}

void Form3::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* page = new QHBoxLayout(client);
    page->setContentsMargins(14, 12, 14, 10);
    page->setSpacing(16);

    // The card: the meaning, the field, and the three lines of hints.
    auto* card = new QGridLayout;
    card->setHorizontalSpacing(8);
    card->setVerticalSpacing(8);
    card->setColumnStretch(1, 1);
    card->addWidget(Label4, 0, 0, Qt::AlignTop);
    card->addWidget(Text1, 0, 1);
    card->addWidget(Label5, 1, 0);
    card->addWidget(Text2, 1, 1);
    card->addWidget(Label6, 2, 0, Qt::AlignRight | Qt::AlignTop);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(4);
    for (QLabel* line : {Label3, Label1, Label2}) lines->addWidget(line);
    lines->addStretch(1);
    card->addLayout(lines, 2, 1);
    card->setRowStretch(2, 1);
    page->addLayout(card, 1);

    QFont chinese(QStringLiteral("黑体"));
    chinese.setBold(true);
    chinese.setPointSizeF(15.75);
    Text1->setFont(chinese);
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setFixedHeight(QFontMetrics(chinese).lineSpacing() * 2 + 16);
    Label4->setMinimumHeight(QFontMetrics(chinese).lineSpacing() + 10);

    QFont english(QStringLiteral("Arial"));
    english.setPointSizeF(15.75);
    Text2->setFont(english);
    Text2->setMinimumHeight(QFontMetrics(english).height() + 12);
    // Whatever input method is active, the word arrives as the keys typed
    // it: no capital put first, no word guessed or corrected.
    Text2->setInputMethodHints(Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);

    // The options, the two numbers and the buttons in a column at the right.
    auto* side = new QVBoxLayout;
    side->setSpacing(8);
    auto* frame = new QGroupBox;
    auto* options = new QGridLayout(frame);
    options->setVerticalSpacing(4);
    // Each box as wide as its caption: a click beside it is not on it.
    int line = 0;
    for (QCheckBox* option : {Check1, Check2, Check3, Check4})
        options->addWidget(option, line++, 0, 1, 2, Qt::AlignLeft);
    for (QLineEdit* box : {Text5, Text4}) {
        box->setFixedWidth(44);
        box->setAlignment(Qt::AlignRight);
    }
    options->addWidget(new QLabel(QStringLiteral("许错遍数")), 4, 0);
    options->addWidget(Text5, 4, 1);
    options->addWidget(new QLabel(QStringLiteral("隔读秒数")), 5, 0);
    options->addWidget(Text4, 5, 1);
    side->addWidget(frame);
    side->addStretch(1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    buttons->addWidget(Command1, 0, 0);
    buttons->addWidget(Command13, 0, 1);
    buttons->addWidget(Command7, 1, 0);
    buttons->addWidget(Command4, 1, 1);
    buttons->addWidget(Command12, 2, 0);
    buttons->addWidget(Command8, 2, 1);
    for (QPushButton* command : {Command1, Command13, Command7, Command4, Command12, Command8}) {
        command->setMinimumHeight(30);
        // Clicking a button leaves the caret in the field.
        command->setFocusPolicy(Qt::TabFocus);
    }
    side->addLayout(buttons);
    page->addLayout(side);

    for (QWidget* hidden :
         std::initializer_list<QWidget*>{Text3, Command11, Command3, Command5, Command6})
        hidden->setParent(client);

    // Design state.
    Check1->setChecked(true);
    Check3->setChecked(true);
    Check4->setChecked(true);
    Command1->setEnabled(false);
    Label1->hide();
    Label2->hide();
    Timer1->setInterval(kFirstReading);
    Timer1->setEnabled(true);

    connect(Check1, &QCheckBox::toggled, this, &Form3::Check1_Click);
    connect(Check3, &QCheckBox::toggled, this, &Form3::Check3_Click);
    connect(Check4, &QCheckBox::toggled, this, &Form3::Check4_Click);
    connect(Command11, &QPushButton::clicked, this, &Form3::Command11_Click);
    connect(Command13, &QPushButton::clicked, this, &Form3::Command13_Click);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form3::Command6_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command7, &QPushButton::clicked, this, &Form3::Command7_Click);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(Command12, &QPushButton::clicked, this, &Form3::Command12_Click);
    connect(Command8, &QPushButton::clicked, this, &Form3::Command8_Click);
    connect(Timer1, &platform::WindowTimer::Timer, this, &Form3::Timer1_Timer);
    connect(Text3, &QLineEdit::textChanged, this, &Form3::Text3_Change);

    client->setFixedSize(client->sizeHint().expandedTo(QSize(720, 330)));
    setFixedSize(sizeHint());
    centerOnScreen(*this);
}

void Form3::declareSettings() {
    settings().check("显示中文", *Check1);
    settings().check("打乱次序", *Check2);
    settings().check("英语读音", *Check3);
    settings().check("显示提示", *Check4);
    settings().text("许错遍数", *Text5);
    settings().text("隔读秒数", *Text4);
}

void Form3::load() {
    const QString hint = QStringLiteral("根据中文提示在光标处输入相应的英文");
    readRange(hint);
    settings().load();
    moveOn();
    Text1->setVisible(Check1->isChecked());
    StatusPanel3->setText(hint);
    setTextColour(Text1, QPalette::Text, kWordBlue);
    setTextColour(Label4, QPalette::WindowText, kWordBlue);
    misses_ = 0;
    session_.begin(QStringLiteral("ggmk"), cursor().range());
    setWindowTitle(QStringLiteral("塔文英语单词 - [巩固]"));
}

// The options' rules follow the boxes whether the learner or the stored
// settings change them; they keep one of 显示中文 and 英语读音 checked.
void Form3::Check1_Click() {
    const bool shown = Check1->isChecked();
    Text1->setVisible(shown);
    Label4->setEnabled(shown);
    if (!shown && !Check3->isChecked()) Check3->setChecked(true);
}

void Form3::Check3_Click() {
    if (!Check3->isChecked() && !Check1->isChecked()) Check1->setChecked(true);
}

void Form3::Check4_Click() {
    const bool hints = Check4->isChecked();
    Label6->setEnabled(hints);
    for (QLabel* line : {Label1, Label2, Label3}) line->setVisible(hints);
}

void Form3::stepForward() {
    cursor().stepForward();
    Command1->setEnabled(true);
}

void Form3::moveOn() {
    if (Check2->isChecked())
        cursor().jumpForward();
    else
        stepForward();
    showRow();
}

void Form3::moveBy(void (WordCursor::*step)()) {
    (cursor().*step)();
    showRow();
}

void Form3::showRow() {
    Text3->setText(cursor().word());
    Text1->setPlainText(cursor().meaning());
}

void Form3::Text3_Change() {
    session_.wordShown();
    showProgress();
}

void Form3::Command6_Click() { moveBy(&WordCursor::jumpForward); }

void Form3::Command5_Click() { moveBy(&WordCursor::jumpBackward); }

void Form3::Command13_Click() {
    moveOn();
    afterButtonMove();
}

void Form3::Command1_Click() {
    moveBy(Check2->isChecked() ? &WordCursor::jumpBackward : &WordCursor::stepBackward);
    afterButtonMove();
}

void Form3::afterButtonMove() {
    Text1->setVisible(Check1->isChecked());
    if (Check3->isChecked()) speakWord(WordSpeaker::Reading::Timed);
    Text2->clear();
    misses_ = 0;
    Label3->setText(Check1->isChecked()
                        ? QStringLiteral("1.根据中文提示在英文框中输入相应的英文单词;")
                        : QStringLiteral("1.根据读音提示在英文框中输入相应的英文单词;"));
    for (QLabel* line : {Label1, Label2}) {
        line->hide();
        line->clear();
    }
    Text2->setFocus();
    restartTimer();
}

void Form3::Command11_Click() {
    if (Text2->text() == Text3->text())
        rightAnswer();
    else
        wrongAnswer();
}

void Form3::rightAnswer() {
    misses_ = 0;
    if (Check4->isChecked() && !Check1->isChecked()) {
        Label1->setText(QStringLiteral("2.上一词的中文为：") + Text1->toPlainText());
        Label1->show();
        Label1->setEnabled(false);
    } else {
        Label1->hide();
        Label1->setEnabled(true);
    }
    moveOn();
    const QString remark = difficultyRemark(int(Text3->text().size()));
    const int draw = std::clamp(int(platform::random().next() * 10), 0, 9);
    Label3->setText(praise(draw) + remark);
    restartTimer();
    Text1->setVisible(Check1->isChecked());
    if (Check3->isChecked()) speakWord(WordSpeaker::Reading::Timed);
    Label2->hide();
    Text2->clear();
}

void Form3::wrongAnswer() {
    if (misses_ < std::numeric_limits<qint16>::max()) ++misses_;
    Label1->setEnabled(true);
    const QString typed = Text2->text();
    const QString answer = Text3->text();
    const MissVerdict verdict =
        judgeMiss(misses_, allowedMisses(Text5->text()), Check4->isChecked(), typed, answer);
    Label3->setText(verdict.prompt);
    if (verdict.showLength) {
        Label1->setText(lengthLine(answer));
        Label1->show();
    }
    if (verdict.pointOut) {
        const WrongCharacter wrong = pointAtFirstWrong(typed, answer);
        Label2->setText(wrong.hint);
        Label2->show();
        selectFrom(wrong.caret);
    }
    if (verdict.selectAll) Text2->selectAll();
    if (verdict.record) session_.recordMiss({answer, Text1->toPlainText(), cursor().phonetic()});
}

void Form3::selectFrom(int caret) {
    // The caret stays before the wrong character, the rest selected after it,
    // so typing replaces what follows.
    Text2->setCursorPosition(int(Text2->text().size()));
    Text2->cursorBackward(true, int(Text2->text().size()) - caret);
}

void Form3::Command3_Click() { speakWord(WordSpeaker::Reading::Asked); }

void Form3::Command7_Click() {
    speakWord(WordSpeaker::Reading::Asked);
    restartTimer();
    Text2->setFocus();
}

void Form3::Command4_Click() {
    const QString answer = Text3->text();
    Label3->setText(QStringLiteral("1.告诉您正确您答案是：") + answer);
    misses_ = 0;
    Text2->setText(answer);
    Text2->setFocus();
    Text2->selectAll();
}

// The reading waits while the table or the curve is up, until the next
// word or 再读一遍 starts it again.
void Form3::Command12_Click() {
    Timer1->setEnabled(false);
    session_.showErrorTable();
    Text2->setFocus();
}

void Form3::Command8_Click() {
    Timer1->setEnabled(false);
    TestSession::showStatistics();
    Text2->setFocus();
}

void Form3::Timer1_Timer() {
    Text2->setFocus();
    if (Check3->isChecked()) speakWord(WordSpeaker::Reading::Timed);
    Timer1->setInterval(readingInterval(Text4->text()));
}

void Form3::restartTimer() {
    Timer1->setEnabled(false);
    Timer1->setEnabled(true);
}

void Form3::speakWord(WordSpeaker::Reading reading) {
    speaker_.speak(Text3->text().trimmed(), reading);
}

void Form3::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Command11->click();
        return;
    }
    StudyWindow::keyPressEvent(event);
}

}  // namespace tawen
