#include "agents/form9_agent_learn.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "agents/voices.h"
#include "library/form2_library.h"
#include "platform/prompt.h"
#include "platform/window_timer.h"
#include "shell/about/links.h"
#include "shell/control_touches.h"
#include "shell/form_registry.h"
#include "shell/user_settings.h"
#include "shell/window_placement.h"
#include "study/up_down.h"

namespace tawen {

namespace {

const QString kIdA = QStringLiteral("AgentIDA");
const QString kIdB = QStringLiteral("AgentIDB");
const QString kSection = QStringLiteral("初记精灵");
const char* const kName1 = "名称1";
const char* const kName2 = "名称2";
const QString kErrorTitle = QStringLiteral("错误提示");
const QString kBalloonFace = QStringLiteral("宋体");
constexpr int kEnglish = 1033;
constexpr int kDesignPeriodMs = 20000;
constexpr int kPlayPeriodMs = 1000;
constexpr int kDefaultExchanges = 1;
constexpr int kDefaultSeconds = 3;
constexpr int kFigureRoom = 240;  // wider than any character's window
constexpr int kPanelRaise = 60;   // the panel's top a little above the characters'

QString noVoiceMessage() {
    return QStringLiteral("电脑没有安装该发音,") + QChar(13) +
           QStringLiteral("请到塔文英语主页下载.");
}

// The voice a character is given for the choice shown: "默认声音", like any
// text the list does not hold, is the engine's default (the empty name).
QString ttsModeFor(const QString& shown) {
    const QList<NamedVoice>& voices = namedVoices();
    const bool named =
        std::any_of(voices.begin() + 1, voices.end(),
                    [&shown](const NamedVoice& voice) { return voice.name == shown; });
    return named ? shown : QString();
}

// A stored choice that the list no longer holds leaves the box as it was.
void selectListed(QComboBox& box, const QString& text) {
    const int index = box.findText(text);
    if (index >= 0) box.setCurrentIndex(index);
}

// The whole number in the box, or the design value when it holds none of at
// least one, so a typed letter or a zero never stops the characters.
int countIn(const QLineEdit& box, int fallback) {
    bool ok = false;
    const int value = box.text().trimmed().toInt(&ok);
    return ok && value >= 1 ? value : fallback;
}

int periodMs(qint64 milliseconds) {
    return int(std::min<qint64>(milliseconds, std::numeric_limits<int>::max()));
}

}  // namespace

Form9::Form9()
    : Frame1(new QGroupBox(QStringLiteral("精灵Ⅰ"))),
      Combo1(new DropDownList),
      Frame2(new QGroupBox(QStringLiteral("精灵Ⅱ"))),
      Combo2(new DropDownList),
      Frame5(new QGroupBox(QStringLiteral("发音引擎"))),
      Combo3(new QComboBox),
      Frame4(new QGroupBox(QStringLiteral("读词"))),
      Check1(new QCheckBox(QStringLiteral("打乱词序"))),
      Check2(new QCheckBox(QStringLiteral("英文发音"))),
      Option1(new QRadioButton(QStringLiteral("缓出英文"))),
      Option2(new QRadioButton(QStringLiteral("缓出中文"))),
      Text2(new QLineEdit(QStringLiteral("1"))),
      UpDown1(new UpDown(*Text2, 1, 20)),
      Text3(new QLineEdit(QStringLiteral("3"))),
      UpDown2(new UpDown(*Text3, 1, 60)),
      Command2(new QPushButton(QStringLiteral("默认值"))),
      Command3(new QPushButton(QStringLiteral("确定(&Y)"))),
      Command8(new QPushButton(QStringLiteral("取消(&N)"))),
      Label7(new QLabel(QStringLiteral("<a href=\"#\">下载更多动画精灵</a>"))),
      Text4(offstage(new QLineEdit)),
      Text5(offstage(new QLineEdit)),
      Command4(offstage(new QPushButton(QStringLiteral("上")))),
      Command5(offstage(new QPushButton(QStringLiteral("下")))),
      Command6(offstage(new QPushButton(QStringLiteral("随机上")))),
      Command7(offstage(new QPushButton(QStringLiteral("随机下")))),
      Timer1(new platform::WindowTimer(this)),
      Timer2(new platform::WindowTimer(this)),
      FRagent(new QMenu(QStringLiteral("初记精灵"), this)),
      settings_(kSection) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("精灵设置"));
    buildControls();
    buildMenu();
    declareSettings();
    for (platform::WindowTimer* timer : {Timer1, Timer2}) {
        timer->setInterval(kDesignPeriodMs);
        timer->setEnabled(false);
    }
    connect(Timer1, &platform::WindowTimer::Timer, this, &Form9::Timer1_Timer);
    connect(Timer2, &platform::WindowTimer::Timer, this, &Form9::Timer2_Timer);
    connect(&characters(), &CharacterEngine::Click, this, &Form9::Agent_Click);
}

void Form9::buildControls() {
    const auto framed = [](QGroupBox* frame, QWidget* inside) {
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(10, 6, 10, 10);
        layout->addWidget(inside);
    };
    for (const NamedVoice& voice : namedVoices()) Combo3->addItem(voice.name);
    for (QComboBox* box :
         {static_cast<QComboBox*>(Combo1), static_cast<QComboBox*>(Combo2), Combo3})
        box->setMinimumWidth(150);
    framed(Frame1, Combo1);
    framed(Frame2, Combo2);
    framed(Frame5, Combo3);

    // The reading options: two check boxes over the pair of roles, then the
    // steppers.
    auto* reading = new QGridLayout(Frame4);
    reading->setContentsMargins(10, 6, 10, 10);
    reading->setHorizontalSpacing(16);
    reading->setVerticalSpacing(6);
    reading->addWidget(Check1, 0, 0);
    reading->addWidget(Check2, 0, 1);
    reading->addWidget(Option1, 1, 0);
    reading->addWidget(Option2, 1, 1);
    const auto stepper = [](const QString& before, QLineEdit* box, UpDown* arrows,
                            const QString& after) {
        box->setFixedWidth(40);
        box->setAlignment(Qt::AlignRight);
        arrows->setFixedHeight(box->sizeHint().height());
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(new QLabel(before));
        row->addWidget(box);
        row->addWidget(arrows);
        row->addWidget(new QLabel(after));
        row->addStretch(1);
        return row;
    };
    reading->addLayout(stepper(QStringLiteral("每词朗读"), Text2, UpDown1, QStringLiteral("遍")), 2,
                       0);
    reading->addLayout(stepper(QStringLiteral("每遍间隔"), Text3, UpDown2, QStringLiteral("秒")), 2,
                       1);

    auto* characterRow = new QHBoxLayout;
    characterRow->setSpacing(10);
    characterRow->addWidget(Frame1);
    characterRow->addWidget(Frame2);

    Label7->setCursor(Qt::PointingHandCursor);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(Label7);
    buttons->addStretch(1);
    for (QPushButton* button : {Command2, Command3, Command8}) {
        button->setMinimumSize(78, 28);
        buttons->addWidget(button);
    }
    Command3->setDefault(true);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(14, 12, 14, 12);
    page->setSpacing(10);
    page->addLayout(characterRow);
    page->addWidget(Frame5);
    page->addWidget(Frame4);
    page->addLayout(buttons);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{Text4, Text5, Command4, Command5, Command6, Command7})
        hidden->setParent(this);

    // Design state.
    Check2->setChecked(true);
    Option2->setChecked(true);

    Combo1->DropDown = [this] { Combo1_DropDown(); };
    Combo2->DropDown = [this] { Combo2_DropDown(); };
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form9::Command3_Click);
    connect(Command8, &QPushButton::clicked, this, &Form9::Command8_Click);
    connect(Command4, &QPushButton::clicked, this, &Form9::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form9::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form9::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form9::Command7_Click);
    connect(Label7, &QLabel::linkActivated, this, &Form9::Label7_Click);

    // Fusion measures a frame's title a little short and clips the last
    // glyph when it is a wide one, such as the numeral of 精灵Ⅰ.
    setStyleSheet(QStringLiteral("QGroupBox::title { padding-right: 3px; }"));
    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
    centerOnScreen(*this);
}

// Beside the characters rather than over them, as far as the screen allows.
void Form9::placeBesideCharacters() {
    if (!pair_) return;
    const QRect screen = this->screen()->availableGeometry();
    const int right = std::max(pair_->a().Left(), pair_->b().Left()) + kFigureRoom;
    const int top = std::min(pair_->a().Top(), pair_->b().Top()) - kPanelRaise;
    move(std::clamp(right, screen.left(), std::max(screen.left(), screen.right() - width())),
         std::clamp(top, screen.top(), std::max(screen.top(), screen.bottom() - height())));
}

void Form9::buildMenu() {
    FRagent->setObjectName(QStringLiteral("FRagent"));
    const auto item = [this](const char* name, const QString& caption, void (Form9::*handler)()) {
        QAction* action = FRagent->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (handler) connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnuSz = item("mnuSz", QStringLiteral("设置(&S)"), &Form9::mnuSz_Click);
    FRagent->addSeparator();
    mnuPlay = item("mnuPlay", QStringLiteral("播放(&P)"), &Form9::mnuPlay_Click);
    mnuPlay->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    mnuStop = item("mnuStop", QStringLiteral("暂停(&T)"), &Form9::mnuStop_Click);
    mnuStop->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    mnuNext = item("mnuNext", QStringLiteral("下一词(&N)"), &Form9::mnuNext_Click);
    mnuUP = item("mnuUP", QStringLiteral("上一词(&L)"), &Form9::mnuUP_Click);
    FRagent->addSeparator();
    mnuback = item("mnuback", QStringLiteral("返回(&B)"), &Form9::mnuback_Click);
    mnuExit = item("mnuExit", QStringLiteral("退出(&E)"), &Form9::mnuExit_Click);
    // Choosing it is all it does: the menu closes.
    mnuclose = item("mnuclose", QStringLiteral("关闭菜单"), nullptr);
    // They are playing from the start.
    mnuPlay->setVisible(false);
}

void Form9::declareSettings() {
    using WhenEmpty = SettingsSection::WhenEmpty;
    settings_.value(
        kName1, [this](const QString& text) { selectListed(*Combo1, text); },
        [this] { return Combo1->currentText(); }, WhenEmpty::Skip);
    settings_.value(
        kName2, [this](const QString& text) { selectListed(*Combo2, text); },
        [this] { return Combo2->currentText(); }, WhenEmpty::Skip);
    settings_.value(
        "发音引擎", [this](const QString& text) { selectListed(*Combo3, text); },
        [this] { return Combo3->currentText(); });
    settings_.check("打乱词序", *Check1);
    settings_.check("英文发音", *Check2);
    settings_.option("缓出英文", *Option1);
    settings_.option("缓出中文", *Option2);
    settings_.text("朗读遍数", *Text2);
    settings_.text("间隔秒数", *Text3);
}

void Form9::load() {
    File1 = characterFiles();
    if (File1.size() < 2) {
        return failToLoad(
            QStringLiteral("动画精灵文件夹“%1”里的精灵文件少于两个，小精灵需要两个动画精灵。")
                .arg(QDir::toNativeSeparators(characterFolder())));
    }
    chooseCharacters({}, {});
    if (!settings_.load()) Command2_Click();
    if (!bringCharacters()) return failToLoad(noVoiceMessage());
    pair_->greet(roles());
    if (!setLanguageAndVoice()) return failToLoad(noVoiceMessage());
    readRange();
    Timer1->setEnabled(true);
    Timer2->setEnabled(true);
    mnuNext->setEnabled(false);
    mnuUP->setEnabled(false);
}

void Form9::failToLoad(const QString& message) {
    platform::prompt().message(message, kErrorTitle);
    unloadCharacters();
    forms().release(this);
}

AgentCharacter* Form9::characterA() const { return characters().Characters(kIdA); }

AgentCharacter* Form9::characterB() const { return characters().Characters(kIdB); }

// Both lists hold the whole folder; A gets the file named a and B the file
// named b, or, when the folder lacks it, A the second file and B the first.
void Form9::chooseCharacters(const QString& a, const QString& b) {
    for (QComboBox* box : {static_cast<QComboBox*>(Combo1), static_cast<QComboBox*>(Combo2)}) {
        box->clear();
        box->addItems(File1);
    }
    const int foundA = Combo1->findText(a);
    const int foundB = Combo2->findText(b);
    Combo1->setCurrentIndex(foundA >= 0 ? foundA : 1);
    Combo2->setCurrentIndex(foundB >= 0 ? foundB : 0);
}

// The folder's files but the one chosen for the other character, in name
// order, keeping this box's choice.
void Form9::offerAllBut(QComboBox& box, const QString& other) {
    const QString chosen = box.currentText();
    box.clear();
    for (const QString& file : File1)
        if (file != other) box.addItem(file);
    box.setCurrentIndex(box.findText(chosen));
}

void Form9::Combo1_DropDown() { offerAllBut(*Combo1, Combo2->currentText()); }

void Form9::Combo2_DropDown() { offerAllBut(*Combo2, Combo1->currentText()); }

bool Form9::bringCharacters() {
    pair_.reset();
    if (!characters().Load(kIdA, Combo1->currentText()).isEmpty()) return false;
    AgentCharacter& a = *characterA();
    a.setBalloonFontName(kBalloonFace);
    a.setAutoPopupMenu(false);
    if (!characters().Load(kIdB, Combo2->currentText()).isEmpty()) return false;
    AgentCharacter& b = *characterB();
    b.setAutoPopupMenu(false);
    a.MoveTo(180, 400);
    a.Show();
    b.MoveTo(500, 400);
    b.Show();
    pair_.emplace(a, b);
    return true;
}

bool Form9::setLanguageAndVoice() {
    AgentCharacter& english = englishRole();
    if (Check2->isChecked()) english.setLanguageID(kEnglish);
    pair_->a().setBalloonFontName(kBalloonFace);
    pair_->b().setBalloonFontName(kBalloonFace);
    return english.setTTSModeID(ttsModeFor(Combo3->currentText()));
}

// The library window's range, or the whole table for a learner who never
// chose one; the cursor one row before it and its first word in the boxes.
void Form9::readRange() {
    const Form2& library = forms().form<Form2>();
    const WordTable& words = *library.words;
    const int lastRow = words.Rows() - 1;
    const StudyRange range = ReadSetting(QStringLiteral("词库"), QStringLiteral("词始")).isEmpty()
                                 ? StudyRange{1, lastRow, 1, lastRow}
                                 : library.studyRange();
    cursor_ = WordCursor(words, range);
    Text4->setText(words.TextMatrix(cursor_.range().first, 1));
    Text5->setText(words.TextMatrix(cursor_.range().first, 2));
}

void Form9::showRow() {
    Text4->setText(cursor_.word());
    Text5->setText(cursor_.meaning());
}

Roles Form9::roles() const {
    return Option1->isChecked() ? Roles::ChineseFirst : Roles::EnglishFirst;
}

AgentCharacter& Form9::englishRole() {
    return roles() == Roles::EnglishFirst ? pair_->a() : pair_->b();
}

int Form9::exchangesPerWord() const { return countIn(*Text2, kDefaultExchanges); }

int Form9::secondsPerExchange() const { return countIn(*Text3, kDefaultSeconds); }

void Form9::exchange(Looks looks) {
    Timer1->setInterval(periodMs(qint64(secondsPerExchange()) * 1000));
    if (pair_) pair_->exchange(roles(), Text4->text(), Text5->text(), looks);
}

void Form9::Timer1_Timer() { exchange(Looks::ByPosition); }

void Form9::Timer2_Timer() {
    Timer2->setInterval(periodMs(qint64(exchangesPerWord()) * secondsPerExchange() * 1000));
    Check1->isChecked() ? Command7_Click() : Command5_Click();
}

void Form9::Command4_Click() {
    cursor_.stepBackward();
    showRow();
}

void Form9::Command5_Click() {
    cursor_.stepForward();
    showRow();
}

void Form9::Command6_Click() {
    cursor_.jumpBackward();
    showRow();
}

void Form9::Command7_Click() {
    cursor_.jumpForward();
    showRow();
}

void Form9::mnuPlay_Click() {
    for (platform::WindowTimer* timer : {Timer1, Timer2}) {
        timer->setInterval(kPlayPeriodMs);
        timer->setEnabled(true);
    }
    mnuStop->setVisible(true);
    mnuPlay->setVisible(false);
    mnuNext->setEnabled(false);
    mnuUP->setEnabled(false);
}

void Form9::mnuStop_Click() {
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    mnuPlay->setVisible(true);
    mnuStop->setVisible(false);
    mnuNext->setEnabled(true);
    mnuUP->setEnabled(true);
    if (!pair_) return;
    pair_->a().Play(QStringLiteral("announce"));
    pair_->b().Play(QStringLiteral("idle2_2"));
}

void Form9::mnuNext_Click() {
    Check1->isChecked() ? Command7_Click() : Command5_Click();
    exchange(Looks::AsPlaced);
}

void Form9::mnuUP_Click() {
    Check1->isChecked() ? Command6_Click() : Command4_Click();
    exchange(Looks::ByPosition);
}

void Form9::mnuSz_Click() {
    placeBesideCharacters();
    show();
    raise();
    activateWindow();
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    if (pair_) {
        pair_->a().Play(QStringLiteral("writing"));
        pair_->b().Play(QStringLiteral("process"));
    }
    const QString a = ReadSetting(kSection, QString::fromUtf8(kName1));
    chooseCharacters(a, a.isEmpty() ? QString() : ReadSetting(kSection, QString::fromUtf8(kName2)));
}

void Form9::Command2_Click() {
    chooseCharacters({}, {});
    Combo3->setCurrentIndex(0);
    Check1->setChecked(false);
    Check2->setChecked(true);
    Option2->setChecked(true);
    Text2->setText(QStringLiteral("1"));
    Text3->setText(QStringLiteral("3"));
}

void Form9::Command3_Click() {
    unloadCharacters();
    if (!bringCharacters() || !setLanguageAndVoice()) {
        platform::prompt().message(noVoiceMessage(), kErrorTitle);
        close();
        return;
    }
    readRange();
    mnuPlay_Click();
    hide();
}

void Form9::Command8_Click() {
    hide();
    if (pair_) {
        pair_->a().Stop();
        pair_->b().Stop();
    }
    mnuPlay_Click();
}

void Form9::reject() { Command8_Click(); }

void Form9::Label7_Click() { openHomePage(); }

void Form9::mnuback_Click() {
    settings_.save();
    close();
}

void Form9::mnuExit_Click() {
    settings_.save();
    QCoreApplication::exit(0);
}

void Form9::Agent_Click(const QString& characterId, int button, int, int x, int y) {
    if (button != 2 || (characterId != kIdA && characterId != kIdB)) return;
    FRagent->popup(QPoint(x, y));
}

void Form9::unloadCharacters() {
    pair_.reset();
    characters().Unload(kIdA);
    characters().Unload(kIdB);
}

void Form9::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
        Command8_Click();
        return;
    }
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    unloadCharacters();
    hide();
    forms().returnToMainWindow();
    event->accept();
    forms().release(this);
}

}  // namespace tawen
