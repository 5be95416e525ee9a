#include "shell/about/form12_about.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "platform/twips.h"
#include "shell/about/links.h"

namespace tawen {

namespace {

using platform::twipsToPixels;

const QColor kYellow(255, 255, 0);
const QColor kLinkGreen(0, 128, 0);
const QColor kLinkPressed(128, 255, 128);

constexpr int kClientWidth = 4500;
constexpr int kClientHeight = 1575;
constexpr int kLabel1Top = 720;
constexpr int kLabel1Width = 4515;
constexpr int kLabel1Height = 855;
constexpr int kLinkTop = 1305;
constexpr int kLabel3Left = 5760;
constexpr int kLabel4Left = 4815;

const QString kLineBreak = QStringLiteral("\n");

// Typing: the welcome word grows over steps 1 to 4, a pause follows, then
// the title comes one character a step, another pause, and a rule of dashes.
const QString kWelcome[] = {QStringLiteral("欢 _"), QStringLiteral("欢迎 _"),
                            QStringLiteral("欢迎使 _"), QStringLiteral("欢迎使用")};
constexpr char16_t kTitle[] = u"塔文英语单词(Tawen)";
constexpr int kTitleLength = std::size(kTitle) - 1;
constexpr int kFirstBreak = 13;
constexpr int kTitleStart = kFirstBreak + 1;
constexpr int kSecondBreak = kTitleStart + kTitleLength + 9;
constexpr int kRuleStart = kSecondBreak + 1;
constexpr int kRuleLength = 21;
constexpr int kScrollStart = kRuleStart + kRuleLength;
constexpr int kScrollStride = 100;
constexpr int kScrollFloor = 380;

struct Phrase {
    int first;
    int last;
    const char* top;
    const char* bottom;
};

constexpr Phrase kPhrases[] = {
    {76, 124, "出于", "爱好与学习的原因"},
    {131, 174, "编写", "这款学习英语单词的小软件"},
    {181, 229, "希望", "能帮助您的学习 ..."},
    {233, 284, "如有", "问题或建议请与我联系"},
};
constexpr int kPhrasePointSize = 13;
constexpr int kLinksAppear = 338;
constexpr int kSlideStart = 350;
constexpr int kCycleLast = 429;
constexpr int kSlideStride = 50;
constexpr int kLabel3Stop = 1680;
constexpr int kLabel4Stop = 680;
constexpr int kPhaseStride = 10;
constexpr int kPhaseLast = 510;

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Orange at both ends of the phase, black in its middle.
QColor pulseColour(int phase) {
    const int swing = std::abs(phase - 256);
    return QColor(std::min(255, swing), qRound(swing / 2.0), 0);
}

QLabel* makeLink(const QString& text, int leftTwips, QWidget* parent) {
    auto* link = new QLabel(text, parent);
    link->setFont(QFont(QStringLiteral("宋体"), 9));
    setTextColour(link, kLinkGreen);
    link->setCursor(Qt::PointingHandCursor);
    link->adjustSize();
    link->move(twipsToPixels(leftTwips), twipsToPixels(kLinkTop));
    link->hide();
    return link;
}

}  // namespace

Form12::Form12(QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel(this)),
      Label3(makeLink(QStringLiteral("学习主页"), kLabel3Left, this)),
      Label4(makeLink(QStringLiteral("与我联系"), kLabel4Left, this)),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)),
      label1Top_(kLabel1Top),
      label3Left_(kLabel3Left),
      label4Left_(kLabel4Left) {
    setWindowTitle(QStringLiteral("关于 塔文英语单词"));
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setMouseTracking(true);

    Label1->setFont(QFont(QStringLiteral("仿宋_GB2312"), 12, QFont::Bold));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label1, kYellow);
    moveLabel1To(kLabel1Top);

    Label3->installEventFilter(this);
    Label4->installEventFilter(this);

    Timer1->setInterval(180);
    Timer2->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Form12::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form12::Timer2_Timer);
    Timer1->start();
}

void Form12::Timer1_Timer() {
    const int step = typingStep_++;
    if (step >= 1 && step <= static_cast<int>(std::size(kWelcome))) {
        Label1->setText(kWelcome[step - 1]);
    } else if (step == kFirstBreak || step == kSecondBreak) {
        Label1->setText(Label1->text() + kLineBreak);
    } else if (step >= kTitleStart && step < kTitleStart + kTitleLength) {
        Label1->setText(Label1->text() + QChar(kTitle[step - kTitleStart]));
    } else if (step >= kRuleStart && step < kScrollStart) {
        Label1->setText(Label1->text() + u'-');
    } else if (step >= kScrollStart) {
        if (label1Top_ >= kScrollFloor) {
            moveLabel1To(label1Top_ - kScrollStride);
        } else {
            Timer1->stop();
            Timer2->start();
            cycle_ = 0;
        }
    }
}

void Form12::Timer2_Timer() {
    phase_ += kPhaseStride;
    if (phase_ > kPhaseLast) phase_ = 0;

    for (const Phrase& phrase : kPhrases) {
        if (cycle_ < phrase.first || cycle_ > phrase.last) continue;
        QFont font = Label1->font();
        font.setPointSize(kPhrasePointSize);
        Label1->setFont(font);
        Label1->setText(QString::fromUtf8(phrase.top) + kLineBreak +
                        QString::fromUtf8(phrase.bottom));
    }
    if (cycle_ >= kLinksAppear) {
        Label3->show();
        Label4->show();
    }
    if (cycle_ >= kSlideStart) slideLinks();
    // Each tick returns to the event loop at once, so the repaint of the new
    // colour needs no extra round of pending events.
    setTextColour(Label1, pulseColour(phase_));

    if (++cycle_ > kCycleLast) {
        cycle_ = 0;
        phase_ = 0;
    }
}

void Form12::Label3_MouseDown() { setTextColour(Label3, kLinkPressed); }

void Form12::Label3_MouseUp() {
    setTextColour(Label3, kLinkGreen);
    openHomePage();
}

void Form12::Label4_MouseDown() { setTextColour(Label4, kLinkPressed); }

void Form12::Label4_MouseUp() {
    setTextColour(Label4, kLinkGreen);
    mailAuthor();
}

void Form12::Form_MouseMove() { setTextColour(Label4, kLinkGreen); }

bool Form12::eventFilter(QObject* watched, QEvent* event) {
    const bool pressed = event->type() == QEvent::MouseButtonPress;
    const bool released = event->type() == QEvent::MouseButtonRelease;
    if (watched == Label3 && pressed) Label3_MouseDown();
    if (watched == Label3 && released) Label3_MouseUp();
    if (watched == Label4 && pressed) Label4_MouseDown();
    if (watched == Label4 && released) Label4_MouseUp();
    return QDialog::eventFilter(watched, event);
}

void Form12::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

void Form12::moveLabel1To(int topTwips) {
    label1Top_ = topTwips;
    Label1->setGeometry(0, twipsToPixels(topTwips), twipsToPixels(kLabel1Width),
                        twipsToPixels(kLabel1Height));
}

void Form12::slideLinks() {
    if (label3Left_ >= kLabel3Stop) label3Left_ -= kSlideStride;
    if (label4Left_ >= kLabel4Stop) label4Left_ -= kSlideStride;
    Label3->move(twipsToPixels(label3Left_), twipsToPixels(kLinkTop));
    Label4->move(twipsToPixels(label4Left_), twipsToPixels(kLinkTop));
}

}  // namespace tawen
