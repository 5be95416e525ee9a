#include "study/form8_first_learn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <limits>

#include "agents/speech_engine.h"
#include "library/form2_library.h"
#include "platform/prompt.h"
#include "platform/window_timer.h"
#include "shell/control_touches.h"
#include "shell/fonts.h"
#include "shell/form_registry.h"
#include "shell/window_placement.h"
#include "study/play_schedule.h"
#include "study/similar_words.h"
#include "study/up_down.h"

namespace tawen {

namespace {

const QString kPlay = QStringLiteral("播放(&P)");
const QString kPause = QStringLiteral("暂停(&S)");

// Purposeful reading: very high priority (cuts off the word before) plus the
// reading-style bit.
constexpr int kSpeakFlags = 144;

const QColor kGrey(128, 128, 128);

}  // namespace

Form8::Form8()
    : StudyWindow(Mode::FirstLearn, QStringLiteral("初记")),
      Label1(fieldTitle(QStringLiteral("英文："), Qt::AlignTop)),
      Text1(steady(new QLineEdit)),
      Label3(steady(new QLabel)),
      Label2(fieldTitle(QStringLiteral("中文："), Qt::AlignTop)),
      Text2(steady(new QPlainTextEdit)),
      Label11(fieldTitle(QStringLiteral("相似："), Qt::AlignTop)),
      Label6(new QLabel),
      Check1(new QCheckBox(QStringLiteral("英语发音"))),
      Check6(new QCheckBox(QStringLiteral("打乱词序"))),
      Check2(new QCheckBox(QStringLiteral("显示英文"))),
      Check3(new QCheckBox(QStringLiteral("显示中文"))),
      Check4(new QCheckBox(QStringLiteral("显示相似"))),
      Check5(new QCheckBox(QStringLiteral("同时出现"))),
      Option1(new QRadioButton(QStringLiteral("缓出中文"))),
      Option2(new QRadioButton(QStringLiteral("缓出英文"))),
      Text4(new QLineEdit(QStringLiteral("1"))),
      UpDown1(new UpDown(*Text4, 0, 20)),
      Text3(new QLineEdit(QStringLiteral("3"))),
      UpDown2(new UpDown(*Text3, 1, 60)),
      Command6(new QPushButton(kPlay)),
      Command7(new QPushButton(QStringLiteral("下一词"))),
      Command8(new QPushButton(QStringLiteral("上一词"))),
      Command3(new QPushButton(QStringLiteral("复读(&R)"))),
      Command1(offstage(new QPushButton(QStringLiteral("上一词")))),
      Command2(offstage(new QPushButton(QStringLiteral("下一词")))),
      Command5(offstage(new QPushButton(QStringLiteral("随机下一句")))),
      Timer2(new platform::WindowTimer(this)),
      Timer3(new platform::WindowTimer(this)),
      Timer4(new platform::WindowTimer(this)),
      similarArea_(steady(new QScrollArea)),
      speaker_(kSpeakFlags) {
    buildControls();
    stopOnClose({Timer2, Timer3, Timer4});
    declareSettings();
}

void Form8::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* page = new QHBoxLayout(client);
    page->setContentsMargins(14, 12, 14, 10);
    page->setSpacing(16);

    // The card: English, phonetic, Chinese and the similar words.
    auto* card = new QGridLayout;
    card->setHorizontalSpacing(8);
    card->setVerticalSpacing(6);
    card->setColumnStretch(1, 1);
    card->addWidget(Label1, 0, 0);
    card->addWidget(Text1, 0, 1);
    card->addWidget(Label3, 1, 1);
    card->addWidget(Label2, 2, 0);
    card->addWidget(Text2, 2, 1);
    card->addWidget(Label11, 3, 0);
    card->addWidget(similarArea_, 3, 1);
    card->setRowStretch(3, 1);
    page->addLayout(card, 1);

    QFont english(QStringLiteral("Arial"));
    english.setBold(true);
    english.setPointSizeF(15.75);
    Text1->setFont(english);
    Text1->setMinimumHeight(QFontMetrics(english).height() + 12);
    Label3->setMinimumHeight(30);
    Label3->setTextFormat(Qt::PlainText);
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label3->setContentsMargins(4, 0, 4, 0);

    QFont chinese(QStringLiteral("黑体"));
    chinese.setBold(true);
    chinese.setPointSizeF(15.75);
    Text2->setFont(chinese);
    Text2->setReadOnly(true);
    Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text2->setFixedHeight(QFontMetrics(chinese).lineSpacing() * 3 + 16);
    Text2->setTabChangesFocus(true);

    // Long families of words scroll inside their own area.
    Label6->setTextFormat(Qt::PlainText);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label6->setContentsMargins(4, 2, 4, 2);
    setTextColour(Label6, QPalette::WindowText, kGrey);
    similarArea_->setWidget(Label6);
    similarArea_->setWidgetResizable(true);
    similarArea_->setFrameShape(QFrame::StyledPanel);
    similarArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    similarArea_->setBackgroundRole(QPalette::Base);
    similarArea_->setMinimumHeight(96);
    setTextColour(Label1, QPalette::WindowText, kWordBlue);

    // The options, the steppers and the buttons in a column at the right.
    auto* side = new QVBoxLayout;
    side->setSpacing(8);
    auto* frame = new QGroupBox;
    auto* options = new QVBoxLayout(frame);
    options->setSpacing(3);
    for (QWidget* option : std::initializer_list<QWidget*>{Check1, Check6, Check2, Check3, Check4,
                                                           Check5, Option1, Option2})
        options->addWidget(option);
    side->addWidget(frame);

    auto* steppers = new QGridLayout;
    steppers->setHorizontalSpacing(4);
    steppers->setVerticalSpacing(6);
    const auto addStepper = [steppers](int line, const QString& before, QLineEdit* box,
                                       UpDown* stepper, const QString& after) {
        box->setFixedWidth(40);
        box->setAlignment(Qt::AlignRight);
        stepper->setFixedHeight(box->sizeHint().height());
        steppers->addWidget(new QLabel(before), line, 0);
        steppers->addWidget(box, line, 1);
        steppers->addWidget(stepper, line, 2);
        steppers->addWidget(new QLabel(after), line, 3);
    };
    addStepper(0, QStringLiteral("每词朗读"), Text4, UpDown1, QStringLiteral("遍"));
    addStepper(1, QStringLiteral("每遍间隔"), Text3, UpDown2, QStringLiteral("秒"));
    steppers->setColumnStretch(4, 1);
    side->addLayout(steppers);
    side->addStretch(1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    buttons->addWidget(Command6, 0, 0);
    buttons->addWidget(Command3, 0, 1);
    buttons->addWidget(Command8, 1, 0);
    buttons->addWidget(Command7, 1, 1);
    for (QPushButton* command : {Command6, Command3, Command8, Command7})
        command->setMinimumHeight(30);
    side->addLayout(buttons);
    page->addLayout(side);

    for (QWidget* hidden : std::initializer_list<QWidget*>{Command1, Command2, Command5})
        hidden->setParent(client);

    // Design state.
    Check1->setChecked(true);
    Check2->setChecked(true);
    Check3->setChecked(true);
    Option1->setChecked(true);
    for (platform::WindowTimer* timer : {Timer2, Timer3, Timer4}) timer->setEnabled(false);

    connect(Check2, &QCheckBox::toggled, this, &Form8::Check2_Click);
    connect(Check3, &QCheckBox::toggled, this, &Form8::Check3_Click);
    connect(Check4, &QCheckBox::toggled, this, &Form8::Check4_Click);
    connect(Check5, &QCheckBox::toggled, this, &Form8::Check5_Click);
    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Form8::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &Form8::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form8::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form8::Command8_Click);
    connect(Timer2, &platform::WindowTimer::Timer, this, &Form8::Timer2_Timer);
    connect(Timer3, &platform::WindowTimer::Timer, this, &Form8::Timer3_Timer);
    connect(Timer4, &platform::WindowTimer::Timer, this, &Form8::Timer4_Timer);
    connect(Text1, &QLineEdit::textChanged, this, &Form8::Text1_Change);

    client->setFixedSize(client->sizeHint().expandedTo(QSize(660, 400)));
    setFixedSize(sizeHint());
    centerOnScreen(*this);
}

void Form8::load() {
    readRange(QStringLiteral("点击播放钮开始学习"));
    settings().load();
    applyClickRules();

    ensurePhoneticFace();
    QFont phonetic(QStringLiteral("DFPhonetic"));
    phonetic.setPointSize(14);
    Label3->setFont(phonetic);
    setTextColour(Label3, QPalette::WindowText, kWordBlue);
    setTextColour(Text1, QPalette::Text, kWordBlue);
    setWindowTitle(QStringLiteral("塔文英语单词 - [初学]"));
}

void Form8::declareSettings() {
    settings().check("英文发音", *Check1);
    settings().check("打乱词序", *Check6);
    settings().check("显示英文", *Check2);
    settings().check("显示中文", *Check3);
    settings().check("显示相似", *Check4);
    settings().check("同时出现", *Check5);
    settings().option("缓出中文", *Option1);
    settings().option("缓出英文", *Option2);
    settings().text("朗读遍数", *Text4);
    settings().text("间隔秒数", *Text3);
}

// The check boxes' rules follow their state whether the learner or the
// settings set it; run once after load for the state the window starts in.
void Form8::applyClickRules() {
    Check2_Click();
    Check3_Click();
    Check4_Click();
    Check5_Click();
}

void Form8::Check2_Click() {
    const bool shown = Check2->isChecked();
    Text1->setVisible(shown);
    Label3->setVisible(shown);
    Label1->setEnabled(shown);
}

void Form8::Check3_Click() {
    Text2->setVisible(Check3->isChecked());
    Label2->setEnabled(Check3->isChecked());
}

void Form8::Check4_Click() {
    Label6->setVisible(Check4->isChecked());
    similarArea_->setVisible(Check4->isChecked());
    Label11->setEnabled(Check4->isChecked());
}

void Form8::Check5_Click() {
    Option1->setEnabled(!Check5->isChecked());
    Option2->setEnabled(!Check5->isChecked());
}

void Form8::showRow() {
    const QString before = Text1->text();
    Text1->setText(cursor().word());
    Label3->setText(cursor().phonetic());
    Text2->setPlainText(cursor().meaning());
    // The same word on another row still moves the progress on.
    if (Text1->text() == before) Text1_Change();
}

void Form8::Command2_Click() {
    cursor().stepForward();
    showRow();
}

void Form8::Command1_Click() {
    cursor().stepBackward();
    showRow();
}

void Form8::Command5_Click() {
    cursor().jumpForward();
    showRow();
}

PlaySchedule Form8::schedule() const { return {Text4->text(), Text3->text()}; }

void Form8::nextOrPrevious(bool forward) {
    const bool together = Check5->isChecked();
    if (together) {
        Text1->setVisible(Check2->isChecked());
        Label3->setVisible(Check2->isChecked());
        Text2->setVisible(Check3->isChecked());
    } else if (Option1->isChecked()) {
        Text1->setVisible(Check2->isChecked());
        Label3->setVisible(Check2->isChecked());
        Text2->setVisible(false);
    } else if (Option2->isChecked()) {
        Text1->setVisible(false);
        Label3->setVisible(false);
        Text2->setVisible(Check3->isChecked());
    }

    forward ? cursor().forward(Check6->isChecked()) : cursor().backward(Check6->isChecked());
    showRow();

    const PlaySchedule times = schedule();
    if (!together) Timer2->setInterval(times.revealDelay());
    Timer3->setInterval(times.firstReading());
    readings_ = 0;
    Timer3->setEnabled(true);
    // Everything is already out: a reveal still pending from the word before
    // has nothing left to do.
    Timer2->setEnabled(!together);
}

void Form8::Command7_Click() { nextOrPrevious(true); }

void Form8::Command8_Click() { nextOrPrevious(false); }

void Form8::Timer2_Timer() {
    if (Option1->isChecked()) {
        Text2->setVisible(Check3->isChecked());
    } else {
        Text1->setVisible(Check2->isChecked());
        Label3->setVisible(Check2->isChecked());
    }
    Timer2->setEnabled(false);
}

void Form8::Timer3_Timer() {
    Timer3->setInterval(schedule().betweenReadings());
    if (readings_ < std::numeric_limits<qint16>::max()) ++readings_;
    if (schedule().reads(readings_)) {
        if (Check1->isChecked()) speakWord(WordSpeaker::Reading::Timed);
    } else {
        Timer3->setEnabled(false);
    }
}

void Form8::Timer4_Timer() {
    Timer4->setInterval(schedule().wordTime());
    nextOrPrevious(true);
}

void Form8::Command6_Click() {
    playing_ = !playing_;
    Command6->setText(playing_ ? kPause : kPlay);
    Command7->setEnabled(!playing_);
    Command8->setEnabled(!playing_);
    Timer4->setEnabled(!Timer4->Enabled());
    Timer4->setInterval(PlaySchedule::kFirstWordDelay);
}

void Form8::Command3_Click() { speakWord(WordSpeaker::Reading::Asked); }

// A reading that cannot be spoken is dropped and the timers go on.
void Form8::speakWord(WordSpeaker::Reading reading) {
    speaker_.speak(Text1->text().trimmed(), reading);
}

void Form8::Text1_Change() {
    showProgress();
    Label6->setText(SimilarWords(Text1->text(), *forms().form<Form2>().words));
}

}  // namespace tawen
