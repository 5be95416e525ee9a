#include "shell/form5_small.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <functional>

#include "agents/speech_engine.h"
#include "library/form2_library.h"
#include "platform/prompt.h"
#include "platform/twips.h"
#include "platform/window_timer.h"
#include "shell/form_registry.h"
#include "shell/user_settings.h"
#include "shell/window_dragger.h"
#include "shell/window_placement.h"

namespace tawen {

namespace {

using platform::pixelsToTwips;
using platform::twipsToPixels;

const QString kSection = QStringLiteral("小窗口");

// The layout, in twips.
constexpr int kMargin = 60;  // before the first text, and after the strip
constexpr int kSecondRowTop = 360;
constexpr int kTextGap = 158;  // between the two texts of one row
constexpr int kNarrowest = 2800;
constexpr int kFitMargin = 188;      // added to the widest text
constexpr int kOneRowMargins = 300;  // added to both texts of one row
constexpr int kOneRowHeight = 350;
constexpr int kTwoRowHeight = 680;
constexpr int kDesignLine = 210;  // a line of 宋体 10.5 pt, which the rows were laid out for
constexpr int kStripTopOneRow = 30;
constexpr int kStripPlaying = 525;  // pause and read again
constexpr int kStripPaused = 1065;  // and previous and next
constexpr int kStripHeight = 270;
constexpr int kPictureSize = 240;
constexpr QPoint kDesignPosition(3800, 3800);

// The second text follows after this share of a beat, in thousandths.
constexpr int kRevealPerMille = 680;

constexpr QColor kTeal(0, 128, 128);
constexpr QColor kEdge(0x8c, 0xbf, 0xbf);  // the window's rim and the pictures' faces

struct FlagSetting {
    const char* key;
    QAction* Form5::*item;
};

// The check marks kept in the settings, in the order they are written.
constexpr FlagSetting kFlags[] = {
    {"英文发音", &Form5::mnuSound},    {"打乱词序", &Form5::mnuDisorder},
    {"单行显示", &Form5::mnuoneRow},   {"双行显示", &Form5::mnutwoRow},
    {"同时出现", &Form5::mnuAllText},  {"缓出中文", &Form5::mnuchineseL},
    {"缓出英文", &Form5::mnuenglishL},
};

QString read(const char* key) { return ReadSetting(kSection, QString::fromUtf8(key)); }

void write(const char* key, const QString& value) {
    WriteSetting(kSection, QString::fromUtf8(key), value);
}

// "True" and "False" as this window writes them; "1" and "0" mean the same.
bool flagValue(const QString& text) {
    const QString value = text.trimmed();
    return value.compare(u"True", Qt::CaseInsensitive) == 0 || value.toInt() != 0;
}

// The item number 1 to 9 the text names, or 0 when it names none.
int itemNumber(const QString& text) {
    const int number = text.trimmed().toInt();
    return number >= 1 && number <= 9 ? number : 0;
}

int numberOr(const QString& text, int fallback) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : fallback;
}

int checkedNumber(const std::array<QAction*, 9>& items) {
    const auto checked = std::ranges::find_if(items, &QAction::isChecked);
    return checked == items.end() ? 1 : int(checked - items.begin()) + 1;
}

int widthOf(const QWidget* widget) { return pixelsToTwips(widget->width()); }

void moveTo(QWidget* widget, int left, int top) {
    widget->move(twipsToPixels(left), twipsToPixels(top));
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QActionGroup* exclusive(QObject* owner, const QList<QAction*>& items) {
    auto* group = new QActionGroup(owner);
    for (QAction* item : items) {
        item->setCheckable(true);
        group->addAction(item);
    }
    return group;
}

// The pictures of the strip, drawn on a 16 x 16 grid in the colour of the texts.
using Drawing = void (*)(QPainter&);

void drawPause(QPainter& p) {
    p.drawRoundedRect(QRectF(3.5, 3, 3, 10), 1, 1);
    p.drawRoundedRect(QRectF(9.5, 3, 3, 10), 1, 1);
}

void drawPlay(QPainter& p) {
    p.drawPolygon(std::array{QPointF(4.5, 2.5), QPointF(13, 8), QPointF(4.5, 13.5)}.data(), 3);
}

// A bar with a triangle pointing at it.
void drawPrevious(QPainter& p) {
    p.drawRect(QRectF(2.5, 3, 2, 10));
    p.drawPolygon(std::array{QPointF(13, 3), QPointF(5.5, 8), QPointF(13, 13)}.data(), 3);
}

void drawNext(QPainter& p) {
    p.translate(16, 0);
    p.scale(-1, 1);
    drawPrevious(p);
}

// A loudspeaker sounding: the word is read once more.
void drawRepeat(QPainter& p) {
    p.drawPolygon(std::array{QPointF(1.5, 6), QPointF(4.5, 6), QPointF(8.5, 2.5),
                             QPointF(8.5, 13.5), QPointF(4.5, 10), QPointF(1.5, 10)}
                      .data(),
                  6);
    p.setPen(QPen(kTeal, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6.5, 5, 6, 6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(5, 2.5, 10, 11), -50 * 16, 100 * 16);
}

QPixmap picture(Drawing draw) {
    const int size = twipsToPixels(kPictureSize);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    // A faint face, so the pictures read as buttons.
    p.setPen(QPen(kEdge, 1));
    p.setBrush(QColor(0xff, 0xff, 0xff, 150));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.translate(8, 8);
    p.scale(0.75, 0.75);
    p.translate(-8, -8);
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    draw(p);
    return pixmap;
}

// A picture of the strip that acts as soon as it is pressed and sinks a
// little while it is held.
class PictureButton final : public QLabel {
  public:
    PictureButton(QWidget* strip, QPoint homeTwips, const QString& tip, const QPixmap& face,
                  std::function<void()> action)
        : QLabel(strip),
          home_(twipsToPixels(homeTwips.x()), twipsToPixels(homeTwips.y())),
          action_(std::move(action)) {
        setToolTip(tip);
        setPixmap(face);
        setGeometry(QRect(home_, QSize(twipsToPixels(kPictureSize), twipsToPixels(kPictureSize))));
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
        // Ten twips is under a pixel here: the picture sinks by the one pixel
        // the screen can show.
        move(home_ + QPoint(1, 1));
        action_();
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        move(home_);
        QLabel::mouseReleaseEvent(event);
    }

    // The strip may hide while a picture is held down.
    void hideEvent(QHideEvent* event) override {
        move(home_);
        QLabel::hideEvent(event);
    }

  private:
    QPoint home_;
    std::function<void()> action_;
};

}  // namespace

Form5::Form5()
    : Label1(new QLabel(this)),
      Label2(new QLabel(this)),
      Picture1(new QWidget(this)),
      Image5(picture(drawPause)),
      Image6(picture(drawPlay)),
      Timer1(new platform::WindowTimer(this)),
      Timer2(new platform::WindowTimer(this)),
      mnupop(new QMenu(QStringLiteral("小窗口"), this)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("小窗口"));
    // The face of a tooltip: a note laid over the learner's other work.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::ToolTipBase));
    face.setColor(QPalette::WindowText, kTeal);
    setPalette(face);
    setAutoFillBackground(true);
    setMouseTracking(true);
    new WindowDragger(*this);

    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    // Our CJK faces stand taller than the 宋体 the rows were laid out for:
    // every row grows by the difference, so no text is cut off.
    lineHeight_ = QFontMetrics(font).boundingRect(QStringLiteral("英Ag")).height();
    rowGrowth_ = std::max(0, pixelsToTwips(lineHeight_) - kDesignLine);
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        // The window itself hears the pointer over its texts: they are part of its face.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    moveTo(Label1, kMargin, kMargin);

    // The strip is as tall as a row, so laid over the end of a long text it
    // hides it; its pictures sit in its middle.
    Picture1->resize(twipsToPixels(kStripPlaying), twipsToPixels(kStripHeight + rowGrowth_));
    Picture1->setAutoFillBackground(true);
    Picture1->hide();
    const int top = rowGrowth_ / 2;
    Image1 = new PictureButton(Picture1, {0, top}, QStringLiteral("暂停"), Image5,
                               [this] { playing() ? mnustop_Click() : mnuplay_Click(); });
    Image4 = new PictureButton(Picture1, {270, top}, QStringLiteral("复读"), picture(drawRepeat),
                               [this] { mnurepeat_Click(); });
    Image2 = new PictureButton(Picture1, {540, top}, QStringLiteral("上一词"),
                               picture(drawPrevious), [this] { mnuup_Click(); });
    Image3 = new PictureButton(Picture1, {810, top}, QStringLiteral("下一词"), picture(drawNext),
                               [this] { mnudown_Click(); });

    Timer1->setInterval(1);
    Timer1->setEnabled(true);
    connect(Timer1, &platform::WindowTimer::Timer, this, &Form5::Timer1_Timer);
    connect(Timer2, &platform::WindowTimer::Timer, this, &Form5::Timer2_Timer);
    buildMenu();
}

void Form5::buildMenu() {
    mnupop->setObjectName(QStringLiteral("mnupop"));
    mnuSound = addItem(mnupop, "mnuSound", QStringLiteral("英文发音(&S)"));
    mnuDisorder = addItem(mnupop, "mnuDisorder", QStringLiteral("打乱词序(&D)"));
    mnuSound->setCheckable(true);
    mnuDisorder->setCheckable(true);
    mnupop->addSeparator();

    mnuText = mnupop->addMenu(QStringLiteral("文字显示(&T)"));
    mnuText->setObjectName(QStringLiteral("mnuText"));
    mnuoneRow = addItem(mnuText, "mnuoneRow", QStringLiteral("单行显示"));
    mnutwoRow = addItem(mnuText, "mnutwoRow", QStringLiteral("双行显示"));
    mnuText->addSeparator();
    mnuAllText = addItem(mnuText, "mnuAllText", QStringLiteral("同时出现"));
    mnuchineseL = addItem(mnuText, "mnuchineseL", QStringLiteral("缓出中文"));
    mnuenglishL = addItem(mnuText, "mnuenglishL", QStringLiteral("缓出英文"));
    rows_ = exclusive(this, {mnuoneRow, mnutwoRow});
    textModes_ = exclusive(this, {mnuAllText, mnuchineseL, mnuenglishL});

    mnuRead = mnupop->addMenu(QStringLiteral("读词遍数(&R)"));
    mnuRead->setObjectName(QStringLiteral("mnuRead"));
    mnuInterval = mnupop->addMenu(QStringLiteral("间隔时间(&I)"));
    mnuInterval->setObjectName(QStringLiteral("mnuInterval"));
    for (int number = 1; number <= 9; ++number) {
        mnuReadS[number - 1] = mnuRead->addAction(QString::number(number) + u'遍');
        mnuReadS[number - 1]->setObjectName(QStringLiteral("mnuReadS%1").arg(number));
        mnutimeS[number - 1] = mnuInterval->addAction(QString::number(number) + u'秒');
        mnutimeS[number - 1]->setObjectName(QStringLiteral("mnutimeS%1").arg(number));
    }
    exclusive(this, {mnuReadS.begin(), mnuReadS.end()});
    exclusive(this, {mnutimeS.begin(), mnutimeS.end()});
    mnupop->addSeparator();

    mnustop = addItem(mnupop, "mnustop", QStringLiteral("暂停(&T)"));
    mnustop->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    mnuplay = addItem(mnupop, "mnuplay", QStringLiteral("播放(&P)"));
    mnuplay->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    mnuup = addItem(mnupop, "mnuup", QStringLiteral("上一词(&U)"));
    mnudown = addItem(mnupop, "mnudown", QStringLiteral("下一词(&D)"));
    mnurepeat = addItem(mnupop, "mnurepeat", QStringLiteral("复读(&F)"));
    mnupop->addSeparator();
    mnuback = addItem(mnupop, "mnuback", QStringLiteral("返回(&B)"));
    mnuExit = addItem(mnupop, "mnuExit", QStringLiteral("退出(&E)"));
    // A shortcut works while the window holds its action, not only while the menu is open.
    addAction(mnustop);
    addAction(mnuplay);

    // The design's options, which a user without saved ones starts from.
    mnuSound->setChecked(true);
    mnutwoRow->setChecked(true);
    mnuchineseL->setChecked(true);
    mnuReadS[0]->setChecked(true);
    mnutimeS[2]->setChecked(true);

    connect(mnuoneRow, &QAction::triggered, this, &Form5::mnuoneRow_Click);
    connect(mnutwoRow, &QAction::triggered, this, &Form5::mnutwoRow_Click);
    connect(mnustop, &QAction::triggered, this, &Form5::mnustop_Click);
    connect(mnuplay, &QAction::triggered, this, &Form5::mnuplay_Click);
    connect(mnuup, &QAction::triggered, this, &Form5::mnuup_Click);
    connect(mnudown, &QAction::triggered, this, &Form5::mnudown_Click);
    connect(mnurepeat, &QAction::triggered, this, &Form5::mnurepeat_Click);
    connect(mnuback, &QAction::triggered, this, &Form5::mnuback_Click);
    connect(mnuExit, &QAction::triggered, this, &Form5::mnuExit_Click);
}

void Form5::load() {
    range_ = forms().form<Form2>().studyRange();
    currentRow_ = WordRow(range_.first - 1);
    if (!read("英文发音").isEmpty())
        applySettings();
    else
        restorePosition(kDesignPosition);
    stepForward();
    // The first word shows whole, whichever text would otherwise wait.
    showText(Label1, Text1);
    showText(Label2, Text2);
    layOut();
    setPlaying(true);
    bringBackOnScreen(*this);
}

void Form5::applySettings() {
    for (const FlagSetting& flag : kFlags)
        (this->*flag.item)->setChecked(flagValue(read(flag.key)));
    // A file edited by hand may name no layout or several: the design's wins then.
    if (!rows_->checkedAction()) mnutwoRow->setChecked(true);
    if (!textModes_->checkedAction()) mnuchineseL->setChecked(true);
    if (const int beats = itemNumber(read("读词遍数"))) mnuReadS[beats - 1]->setChecked(true);
    if (const int seconds = itemNumber(read("间隔时间"))) mnutimeS[seconds - 1]->setChecked(true);
    restorePosition({numberOr(read("位置X"), kDesignPosition.x()),
                     numberOr(read("位置Y"), kDesignPosition.y())});
}

void Form5::restorePosition(QPoint twips) {
    restoredTwips_ = twips;
    moveTo(this, twips.x(), twips.y());
    restoredAt_ = pos();
}

QPoint Form5::positionTwips() const {
    if (pos() == restoredAt_) return restoredTwips_;
    return {pixelsToTwips(x()), pixelsToTwips(y())};
}

void Form5::saveSettings() {
    for (const FlagSetting& flag : kFlags)
        write(flag.key,
              (this->*flag.item)->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    write("读词遍数", QString::number(checkedNumber(mnuReadS)));
    write("间隔时间", QString::number(checkedNumber(mnutimeS)));
    const QPoint position = positionTwips();
    write("位置X", QString::number(position.x()));
    write("位置Y", QString::number(position.y()));
}

bool Form5::playing() const { return Timer1->Enabled(); }

bool Form5::oneRow() const { return mnuoneRow->isChecked(); }

// A text that sizes itself to what it shows, one line high.
void Form5::showText(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(label->sizeHint().width(), lineHeight_);
}

int Form5::secondRowTop() const { return kSecondRowTop + rowGrowth_; }

void Form5::showRows() {
    if (oneRow()) {
        placeSecondLabel();
        resize(width(), twipsToPixels(kOneRowHeight + rowGrowth_));
    } else {
        resize(width(), twipsToPixels(kTwoRowHeight + 2 * rowGrowth_));
        moveTo(Label2, kMargin, secondRowTop());
    }
}

void Form5::placeSecondLabel() {
    moveTo(Label2, pixelsToTwips(Label1->x()) + widthOf(Label1) + kTextGap,
           pixelsToTwips(Label1->y()));
}

void Form5::fitWindow() {
    const int first = widthOf(Label1);
    const int second = widthOf(Label2);
    int wanted = kNarrowest;
    if (oneRow()) {
        placeSecondLabel();
        if (mnuAllText->isChecked())
            wanted = std::max(first + second + kOneRowMargins, kNarrowest);
        else if (first > kNarrowest)
            wanted = first + kFitMargin;
    } else if (first > kNarrowest || second > kNarrowest) {
        wanted = std::max(first, second) + kFitMargin;
    }
    resize(twipsToPixels(wanted), height());
    placeStrip();
}

// Makes room for the second text once it has come out; the window does not
// shrink meanwhile.
void Form5::widenForSecondText() {
    const int first = widthOf(Label1);
    const int second = widthOf(Label2);
    if (oneRow()) {
        if (first + second + kOneRowMargins > kNarrowest)
            resize(twipsToPixels(first + second + kOneRowMargins), height());
    } else if (second > kNarrowest && second > first) {
        resize(twipsToPixels(second + kFitMargin), height());
    }
    placeStrip();
}

void Form5::placeStrip() {
    moveTo(Picture1, widthOf(this) - widthOf(Picture1) - kMargin,
           oneRow() ? kStripTopOneRow : secondRowTop());
}

// The previous and next pictures lie beyond the narrow strip, out of sight.
void Form5::setStripWidth(int twips) {
    Picture1->resize(twipsToPixels(twips), Picture1->height());
    placeStrip();
}

void Form5::setPlaying(bool play) {
    if (play) Timer1->setInterval(1);  // the first beat comes at once
    Timer1->setEnabled(play);
    mnustop->setVisible(play);
    for (QAction* item : {mnuplay, mnuup, mnudown}) item->setVisible(!play);
    setStripWidth(play ? kStripPlaying : kStripPaused);
    Image1->setPixmap(play ? Image5 : Image6);
    Image1->setToolTip(play ? QStringLiteral("暂停") : QStringLiteral("播放"));
}

void Form5::readRow() {
    // Row 0 is the table's header: a range reaching it holds no words.
    const WordTable& words = *forms().form<Form2>().words;
    Text1 = currentRow_ >= 1 ? words.TextMatrix(currentRow_, 1) : QString();
    Text2 = currentRow_ >= 1 ? words.TextMatrix(currentRow_, 2) : QString();
}

void Form5::Command1_Click() {
    currentRow_ = StepBackward(currentRow_, range_);
    readRow();
}

void Form5::Command2_Click() {
    currentRow_ = StepForward(currentRow_, range_);
    readRow();
}

void Form5::Command3_Click() {
    currentRow_ = JumpBackward(currentRow_, range_);
    readRow();
}

void Form5::Command4_Click() {
    currentRow_ = JumpForward(currentRow_, range_);
    readRow();
}

void Form5::stepForward() { mnuDisorder->isChecked() ? Command4_Click() : Command2_Click(); }

void Form5::stepBackward() { mnuDisorder->isChecked() ? Command3_Click() : Command1_Click(); }

void Form5::showWord() {
    if (mnuAllText->isChecked()) {
        showText(Label1, Text1);
        showText(Label2, Text2);
    } else {
        showText(Label1, mnuchineseL->isChecked() ? Text1 : Text2);
        // No text of an earlier word stands beside this one while the
        // second text waits, and it waits its full delay.
        showText(Label2, {});
        Timer2->setEnabled(false);
        Timer2->setEnabled(true);
    }
    fitWindow();
}

void Form5::Timer1_Timer() {
    const int seconds = checkedNumber(mnutimeS);
    Timer1->setInterval(seconds * 1000);
    Timer2->setInterval(seconds * kRevealPerMille);
    if (tickCounter_ >= checkedNumber(mnuReadS)) {
        stepForward();
        showWord();
        tickCounter_ = 0;
    }
    ++tickCounter_;
    Picture1->hide();
    if (mnuSound->isChecked()) speakWord(WordSpeaker::Reading::Timed);
}

void Form5::Timer2_Timer() {
    if (mnuchineseL->isChecked())
        showText(Label2, Text2);
    else if (mnuenglishL->isChecked())
        showText(Label2, Text1);
    widenForSecondText();
    Picture1->hide();
    Timer2->setEnabled(false);
}

void Form5::speakWord(WordSpeaker::Reading reading) {
    const QString word = Text1.trimmed();
    if (!word.isEmpty()) speaker_.speak(word, reading);
}

void Form5::mnuoneRow_Click() {
    mnuoneRow->setChecked(true);
    layOut();
}

void Form5::mnutwoRow_Click() {
    mnutwoRow->setChecked(true);
    layOut();
}

// Puts the texts in the chosen rows and fits the window to both of them as
// they stand, so nothing is cut off until the next word and the strip stays
// on the window.
void Form5::layOut() {
    showRows();
    fitWindow();
    widenForSecondText();
}

void Form5::mnustop_Click() { setPlaying(false); }

void Form5::mnuplay_Click() { setPlaying(true); }

void Form5::mnuup_Click() {
    stepBackward();
    showSteppedWord();
}

void Form5::mnudown_Click() {
    stepForward();
    showSteppedWord();
}

void Form5::showSteppedWord() {
    showWord();
    Picture1->hide();
    if (mnuSound->isChecked()) speakWord(WordSpeaker::Reading::Asked);
}

void Form5::mnurepeat_Click() { speakWord(WordSpeaker::Reading::Asked); }

// Closing brings the main window back.
void Form5::mnuback_Click() { close(); }

void Form5::mnuExit_Click() {
    ending_ = true;
    close();
    QCoreApplication::exit(0);
}

void Form5::closeEvent(QCloseEvent* event) {
    // No beat may speak or report while the settings are written.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    saveSettings();
    hide();
    // However the window is closed, the learner is not left without one.
    if (!ending_) forms().returnToMainWindow();
    event->accept();
    forms().release(this);
}

// A thin rim keeps the pale window apart from a white page beneath it.
void Form5::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(kEdge);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Form5::mousePressEvent(QMouseEvent* event) {
    // The left button drags the window (WindowDragger); the right opens the menu.
    if (event->button() == Qt::RightButton) mnupop->popup(event->globalPosition().toPoint());
}

// Over the bare face the strip offers itself; over the texts it makes way.
void Form5::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Picture1->setVisible(!Label1->geometry().contains(at) && !Label2->geometry().contains(at));
}

}  // namespace tawen
