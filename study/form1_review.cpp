#include "study/form1_review.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "library/form2_library.h"
#include "library/library_catalog.h"
#include "platform/twips.h"
#include "platform/window_timer.h"
#include "shell/control_touches.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/window_placement.h"
#include "study/answer_label.h"
#include "study/review_pictures.h"

namespace tawen {

namespace {

// Normal priority plus the reading-style bit.
constexpr int kSpeakFlags = 528;

constexpr int kNextQuestionDelay = 580;  // ms the tick stays before the next question
constexpr int kAtOnce = 1;

// Left edge of the marks, and the tops of the four answers, in twips.
constexpr int kMarkLeft = 4740;
constexpr std::array<int, 4> kAnswerTops = {1000, 1900, 2700, 3600};

const QColor kQuestionBlue(64, 112, 176);
const QColor kPanel(250, 251, 253);

void place(QWidget* control, int left, int top, int width, int height) {
    using platform::twipsToPixels;
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
}

QFont face(const char* family, double points, bool bold = false) {
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* letter(const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setFont(face("Comic Sans MS", 15, true));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

Form1::Form1()
    : StudyWindow(Mode::Review, QStringLiteral("复习")),
      Picture1(new QFrame),
      Label10(new QLabel(QStringLiteral("Q"))),
      Label1(new QLabel),
      Label2(new AnswerLabel([this] { answer(0); })),
      Label3(new AnswerLabel([this] { answer(1); })),
      Label4(new AnswerLabel([this] { answer(2); })),
      Label5(new AnswerLabel([this] { answer(3); })),
      Label6(letter("A")),
      Label7(letter("B")),
      Label8(letter("C")),
      Label9(letter("D")),
      Image1(new QLabel),
      Check1(new QCheckBox(QStringLiteral("打乱词序"))),
      Check2(new QCheckBox(QStringLiteral("读出英文"))),
      Check3(new QCheckBox(QStringLiteral("听声选择"))),
      Check4(new QCheckBox(QStringLiteral("选错复读"))),
      Option1(new QRadioButton(QStringLiteral("中文选项"))),
      Option2(new QRadioButton(QStringLiteral("英文选项"))),
      Command9(new QPushButton(QStringLiteral("上一词(&L)"))),
      Command10(new QPushButton(QStringLiteral("下一词(&N)"))),
      Command7(new QPushButton(QStringLiteral("错误表(&M)"))),
      Command8(new QPushButton(QStringLiteral("进步曲线"))),
      Text1(offstage(new QLineEdit)),
      Text2(offstage(new QLineEdit)),
      Text3(offstage(new QLineEdit)),
      Text4(offstage(new QLineEdit)),
      Command1(offstage(new QPushButton(QStringLiteral("上一词")))),
      Command2(offstage(new QPushButton(QStringLiteral("下一词")))),
      Command3(offstage(new QPushButton(QStringLiteral("随机上")))),
      Command4(offstage(new QPushButton(QStringLiteral("随机下")))),
      Command5(offstage(new QPushButton(QStringLiteral("错")))),
      Command6(offstage(new QPushButton(QStringLiteral("再读一次")))),
      Timer1(new platform::WindowTimer(this)),
      answers_{Label2, Label3, Label4, Label5},
      speaker_(kSpeakFlags) {
    buildControls();
    stopOnClose({Timer1});
    declareSettings();
}

void Form1::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    placeControls();

    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setAutoFillBackground(true);
    QPalette panel = Picture1->palette();
    panel.setColor(QPalette::Window, kPanel);
    Picture1->setPalette(panel);
    Picture1->setToolTip(QStringLiteral("根据提示点击与其相应的选项"));

    Label10->setFont(face("MS Serif", 24, true));
    Label10->setAlignment(Qt::AlignCenter);
    Label1->setFont(face("Arial", 16, true));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setTextFormat(Qt::PlainText);
    for (AnswerLabel* answer : answers_) {
        answer->setFont(face("宋体", 12));
        answer->setWordWrap(true);
        answer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        answer->setTextFormat(Qt::PlainText);
    }
    Image1->setScaledContents(true);
    Image1->hide();

    Command7->setToolTip(QStringLiteral("记录您在这次复习中所错误的单词"));
    Command8->setToolTip(QStringLiteral("点击可看到过去十次的成绩"));

    // Design state.
    Check2->setChecked(true);
    Check4->setChecked(true);
    Option1->setChecked(true);
    Timer1->setInterval(kNextQuestionDelay);
    Timer1->setEnabled(false);

    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Check3, &QCheckBox::toggled, this, &Form1::Check3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Timer1, &platform::WindowTimer::Timer, this, &Form1::Timer1_Timer);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);

    client->setFixedSize(platform::twipsToPixels(7800), platform::twipsToPixels(4560));
    setFixedSize(sizeHint());
    centerOnScreen(*this);
}

// Positions in twips of the client area; the marks and answers where the
// quiz has always put them.
void Form1::placeControls() {
    QWidget* client = centralWidget();
    Picture1->setParent(client);
    place(Picture1, 90, 90, 5460, 4380);
    for (QWidget* control : std::initializer_list<QWidget*>{
             Label10, Label1,   Label6,   Label7,   Label8,   Label9,   Label2,
             Label3,  Label4,   Label5,   Image1,   Text1,    Text2,    Text3,
             Text4,   Command1, Command2, Command3, Command4, Command5, Command6})
        control->setParent(client);
    place(Label10, 210, 180, 480, 720);
    place(Label1, 780, 150, 4650, 780);
    const std::array<QLabel*, 4> letters = {Label6, Label7, Label8, Label9};
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        place(letters[i], 240, kAnswerTops[i] - 60, 420, 720);
        place(answers_[i], 780, kAnswerTops[i] - 60, 3900, 720);
    }
    place(Image1, kMarkLeft, kAnswerTops[0], 480, 480);

    auto* options = new QGroupBox(client);
    place(options, 5700, 60, 2010, 2520);
    auto* column = new QVBoxLayout(options);
    column->setContentsMargins(14, 8, 8, 8);
    column->setSpacing(4);
    for (QWidget* option :
         std::initializer_list<QWidget*>{Check1, Check2, Check3, Check4, Option1, Option2})
        column->addWidget(option);

    for (QWidget* command :
         std::initializer_list<QWidget*>{Command9, Command10, Command7, Command8})
        command->setParent(client);
    place(Command9, 5700, 2730, 975, 420);
    place(Command10, 6735, 2730, 975, 420);
    place(Command7, 5700, 3300, 2010, 420);
    place(Command8, 5700, 3870, 2010, 420);
}

void Form1::declareSettings() {
    settings().check("打乱词序", *Check1);
    settings().check("读出英文", *Check2);
    settings().check("听声选择", *Check3);
    settings().check("选错复读", *Check4);
    settings().option("中文选项", *Option1);
    settings().option("英文选项", *Option2);
}

void Form1::load() {
    settings().load();
    readRange(QString());
    cursor().forward(Check1->isChecked());
    showRow();
    Label1->setVisible(!Check3->isChecked());
    buildQuestion();
    if (Check2->isChecked()) speakWord();
    StatusPanel3->setText(QStringLiteral("根据提示点击与其相应的选项"));
    setTextColour(Label1, QPalette::WindowText, kQuestionBlue);
    setTextColour(Label10, QPalette::WindowText, kQuestionBlue);
    session_.begin(QStringLiteral("fxmk"), forms().form<Form2>().studyRange());
    setWindowTitle(QStringLiteral("塔文英语单词 - [复习]"));
}

AnswerLabel* Form1::rightAnswer() const {
    for (AnswerLabel* label : answers_)
        if (label->text() == Text1->text() || label->text() == Text2->text()) return label;
    return nullptr;
}

void Form1::showRow() {
    Text1->setText(cursor().word());
    Text2->setText(cursor().meaning());
}

void Form1::Text1_Change() {
    session_.wordShown();
    showProgress();
}

void Form1::Command1_Click() {
    cursor().stepBackward();
    showRow();
}

void Form1::Command2_Click() {
    cursor().stepForward();
    showRow();
}

void Form1::Command3_Click() {
    cursor().jumpBackward();
    showRow();
}

void Form1::Command4_Click() {
    cursor().jumpForward();
    showRow();
}

void Form1::Command5_Click() {
    const Form2& library = forms().form<Form2>();
    const QListWidgetItem* course = library.List1->currentItem();
    CurrentCourseName = course ? course->text().trimmed() : QString();
    const WordEntry wrong =
        distractors_.next(*library.words, Text1->text(), CurrentCourseName == PersonalLibraryEntry);
    Text3->setText(wrong.word);
    Text4->setText(wrong.meaning);
}

// zx with 中文选项 (the word asked, meanings offered), yx with 英文选项.
void Form1::buildQuestion() {
    const bool chinese = Option1->isChecked();
    Label1->setText(chinese ? Text1->text() : Text2->text());
    const int right = AnswerSlot();
    for (int i = 0; i < int(answers_.size()); ++i) {
        if (i == right) {
            answers_[i]->setText(chinese ? Text2->text() : Text1->text());
            continue;
        }
        Command5_Click();
        answers_[i]->setText(chinese ? Text4->text() : Text3->text());
    }
}

void Form1::answer(int which) {
    AnswerLabel* label = answers_[which];
    const bool right = label->text() == Text2->text() || label->text() == Text1->text();
    Image1->move(platform::twipsToPixels(kMarkLeft), platform::twipsToPixels(kAnswerTops[which]));
    Image1->setPixmap(right ? rightMark() : wrongMark());
    Image1->show();
    if (!right) {
        if (Check4->isChecked()) speakWord();
        session_.recordMiss({Text1->text(), Text2->text(), cursor().phonetic()});
        return;
    }
    if (Check3->isChecked()) {
        Label1->show();
        Label10->setEnabled(true);
    }
    cursor().forward(Check1->isChecked());
    showRow();
    nextQuestionAt(kNextQuestionDelay);
}

void Form1::nextQuestionAt(int milliseconds) {
    Timer1->setInterval(milliseconds);
    Timer1->setEnabled(true);
}

void Form1::Timer1_Timer() {
    Image1->hide();
    if (Check3->isChecked()) {
        Label1->hide();
        Label10->setEnabled(false);
    }
    buildQuestion();
    if (Check2->isChecked()) speakWord();
    Timer1->setEnabled(false);
}

void Form1::Command9_Click() {
    cursor().backward(Check1->isChecked());
    showRow();
    nextQuestionAt(kAtOnce);
}

void Form1::Command10_Click() {
    cursor().forward(Check1->isChecked());
    showRow();
    nextQuestionAt(kAtOnce);
}

void Form1::Check1_Click() { session_.restartCount(); }

void Form1::Check3_Click() {
    const bool listening = Check3->isChecked();
    Label1->setVisible(!listening);
    if (listening) Check2->setChecked(true);
    Check2->setEnabled(!listening);
    Label10->setEnabled(!listening);
}

void Form1::Command6_Click() { speakWord(); }

// Each question reads its word by itself: when speech fails, the learner is
// told once, not at every question, until it works again.
void Form1::speakWord() { speaker_.speak(Text1->text().trimmed(), WordSpeaker::Reading::Timed); }

void Form1::Command7_Click() { session_.showErrorTable(); }

void Form1::Command8_Click() { TestSession::showStatistics(); }

void Form1::finishing() { session_.finish(); }

}  // namespace tawen
