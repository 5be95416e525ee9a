#include "shell/form5_small.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "agents/speech_engine.h"
#include "library/form2_library.h"
#include "platform/prompt.h"
#include "platform/twips.h"
#include "platform/window_timer.h"
#include "shell/form_registry.h"
#include "shell/picture_strip.h"
#include "shell/window_dragger.h"
#include "shell/window_placement.h"

namespace tawen {

namespace {

using platform::pixelsToTwips;
using platform::twipsToPixels;

constexpr QPoint kDesignPosition(3800, 3800);

// The item number 1 to 9 the text names, or 0 when it names none.
int itemNumber(const QString& text) {
    const int number = text.trimmed().toInt();
    return number >= 1 && number <= 9 ? number : 0;
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

// Items of which one is checked at a time. They keep the check marks of
// plain items: a group of exclusive actions would draw radio dots. Choosing
// the checked item leaves it checked.
void oneOf(const QList<QAction*>& items) {
    for (QAction* item : items) {
        item->setCheckable(true);
        QObject::connect(item, &QAction::toggled, item, [items, item](bool checked) {
            if (!checked) return;
            for (QAction* other : items)
                if (other != item) other->setChecked(false);
        });
        QObject::connect(item, &QAction::triggered, item, [item](bool checked) {
            if (!checked) item->setChecked(true);
        });
    }
}

}  // namespace

Form5::Form5()
    : Label1(new QLabel(this)),
      Label2(new QLabel(this)),
      Picture1(new QWidget(this)),
      Image5(stripPicture(StripPicture::Pause)),
      Image6(stripPicture(StripPicture::Play)),
      Timer1(new platform::WindowTimer(this)),
      Timer2(new platform::WindowTimer(this)),
      mnupop(new QMenu(QStringLiteral("小窗口"), this)),
      settings_(QStringLiteral("小窗口")),
      storedPosition_(kDesignPosition) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("小窗口"));
    // The face of a tooltip: a note laid over the learner's other work.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::ToolTipBase));
    face.setColor(QPalette::WindowText, kTickerTeal);
    setPalette(face);
    setAutoFillBackground(true);
    setMouseTracking(true);
    new WindowDragger(*this);

    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    // Our CJK faces stand taller than the 宋体 the rows were laid out for:
    // every row grows by the difference, so no text is cut off.
    lineHeight_ = QFontMetrics(font).boundingRect(QStringLiteral("英Ag")).height();
    rowGrowth_ = rowGrowth(pixelsToTwips(lineHeight_));
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        // The window itself hears the pointer over its texts: they are part of its face.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    moveTo(Label1, kSmallMargin, kSmallMargin);

    // The strip is as tall as a row, so laid over the end of a long text it
    // hides it; its pictures sit in its middle.
    Picture1->resize(twipsToPixels(kStripPlaying), twipsToPixels(kStripHeight + rowGrowth_));
    Picture1->setAutoFillBackground(true);
    Picture1->hide();
    const int top = rowGrowth_ / 2;
    Image1 = new PictureButton(Picture1, {0, top}, QStringLiteral("暂停"), Image5,
                               [this] { playing() ? mnustop_Click() : mnuplay_Click(); });
    Image4 = new PictureButton(Picture1, {270, top}, QStringLiteral("复读"),
                               stripPicture(StripPicture::Repeat), [this] { mnurepeat_Click(); });
    Image2 = new PictureButton(Picture1, {540, top}, QStringLiteral("上一词"),
                               stripPicture(StripPicture::Previous), [this] { mnuup_Click(); });
    Image3 = new PictureButton(Picture1, {810, top}, QStringLiteral("下一词"),
                               stripPicture(StripPicture::Next), [this] { mnudown_Click(); });

    Timer1->setInterval(1);
    Timer1->setEnabled(true);
    connect(Timer1, &platform::WindowTimer::Timer, this, &Form5::Timer1_Timer);
    connect(Timer2, &platform::WindowTimer::Timer, this, &Form5::Timer2_Timer);
    buildMenu();
    declareSettings();
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
    oneOf(rowItems());
    oneOf(textModeItems());

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
    oneOf({mnuReadS.begin(), mnuReadS.end()});
    oneOf({mnutimeS.begin(), mnutimeS.end()});
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
    const Form2& library = forms().form<Form2>();
    cursor_ = WordCursor(*library.words, library.studyRange());
    settings_.load();
    // A file edited by hand may name no layout or several: the design's wins
    // when none is left.
    if (!std::ranges::any_of(rowItems(), &QAction::isChecked)) mnutwoRow->setChecked(true);
    if (!std::ranges::any_of(textModeItems(), &QAction::isChecked)) mnuchineseL->setChecked(true);
    restorePosition(storedPosition_);
    stepForward();
    // The first word shows whole, whichever text would otherwise wait.
    showText(Label1, cursor_.word());
    showText(Label2, cursor_.meaning());
    layOut();
    setPlaying(true);
    bringBackOnScreen(*this);
}

void Form5::declareSettings() {
    settings_.flag("英文发音", *mnuSound);
    settings_.flag("打乱词序", *mnuDisorder);
    settings_.flag("单行显示", *mnuoneRow);
    settings_.flag("双行显示", *mnutwoRow);
    settings_.flag("同时出现", *mnuAllText);
    settings_.flag("缓出中文", *mnuchineseL);
    settings_.flag("缓出英文", *mnuenglishL);
    const auto numbered = [this](const char* key, std::array<QAction*, 9>& items) {
        settings_.value(
            key,
            [&items](const QString& text) {
                if (const int number = itemNumber(text)) items[number - 1]->setChecked(true);
            },
            [&items] { return QString::number(checkedNumber(items)); });
    };
    numbered("读词遍数", mnuReadS);
    numbered("间隔时间", mnutimeS);
    // A position that is no number keeps the design's.
    const auto coordinate = [](const QString& text, int& into) {
        bool ok = false;
        const int number = text.trimmed().toInt(&ok);
        if (ok) into = number;
    };
    settings_.value(
        "位置X",
        [this, coordinate](const QString& text) { coordinate(text, storedPosition_.rx()); },
        [this] { return QString::number(positionTwips().x()); });
    settings_.value(
        "位置Y",
        [this, coordinate](const QString& text) { coordinate(text, storedPosition_.ry()); },
        [this] { return QString::number(positionTwips().y()); });
}

QList<QAction*> Form5::rowItems() const { return {mnuoneRow, mnutwoRow}; }

QList<QAction*> Form5::textModeItems() const { return {mnuAllText, mnuchineseL, mnuenglishL}; }

void Form5::restorePosition(QPoint twips) {
    restoredTwips_ = twips;
    moveTo(this, twips.x(), twips.y());
    restoredAt_ = pos();
}

QPoint Form5::positionTwips() const {
    if (pos() == restoredAt_) return restoredTwips_;
    return {pixelsToTwips(x()), pixelsToTwips(y())};
}

bool Form5::playing() const { return Timer1->Enabled(); }

bool Form5::oneRow() const { return mnuoneRow->isChecked(); }

// A text that sizes itself to what it shows, one line high.
void Form5::showText(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(label->sizeHint().width(), lineHeight_);
}

SmallLayout Form5::layout() const { return {oneRow(), rowGrowth_}; }

void Form5::showRows() {
    resize(width(), twipsToPixels(layout().height()));
    placeSecondLabel();
}

void Form5::placeSecondLabel() {
    const QPoint at = layout().secondTextAt(
        {pixelsToTwips(Label1->x()), pixelsToTwips(Label1->y())}, widthOf(Label1));
    moveTo(Label2, at.x(), at.y());
}

void Form5::fitWindow() {
    if (oneRow()) placeSecondLabel();
    const int wanted =
        layout().fittedWidth(mnuAllText->isChecked(), widthOf(Label1), widthOf(Label2));
    resize(twipsToPixels(wanted), height());
    placeStrip();
}

// Makes room for the second text once it has come out.
void Form5::widenForSecondText() {
    const int wanted = layout().widenedWidth(widthOf(this), widthOf(Label1), widthOf(Label2));
    if (wanted != widthOf(this)) resize(twipsToPixels(wanted), height());
    placeStrip();
}

void Form5::placeStrip() {
    const QPoint at = layout().stripAt(widthOf(this), widthOf(Picture1));
    moveTo(Picture1, at.x(), at.y());
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

void Form5::stepForward() { cursor_.forward(mnuDisorder->isChecked()); }

void Form5::stepBackward() { cursor_.backward(mnuDisorder->isChecked()); }

void Form5::showWord() {
    if (mnuAllText->isChecked()) {
        showText(Label1, cursor_.word());
        showText(Label2, cursor_.meaning());
    } else {
        showText(Label1, mnuchineseL->isChecked() ? cursor_.word() : cursor_.meaning());
        // No text of an earlier word stands beside this one while the
        // second text waits, and it waits its full delay.
        showText(Label2, {});
        Timer2->setEnabled(false);
        Timer2->setEnabled(true);
    }
    fitWindow();
}

void Form5::Timer1_Timer() {
    const SmallBeat beat{checkedNumber(mnutimeS)};
    Timer1->setInterval(beat.interval());
    Timer2->setInterval(beat.revealDelay());
    if (beats_.beat(checkedNumber(mnuReadS))) {
        stepForward();
        showWord();
    }
    Picture1->hide();
    if (mnuSound->isChecked()) speakWord(WordSpeaker::Reading::Timed);
}

void Form5::Timer2_Timer() {
    if (mnuchineseL->isChecked())
        showText(Label2, cursor_.meaning());
    else if (mnuenglishL->isChecked())
        showText(Label2, cursor_.word());
    widenForSecondText();
    Picture1->hide();
    Timer2->setEnabled(false);
}

void Form5::speakWord(WordSpeaker::Reading reading) {
    const QString word = cursor_.word().trimmed();
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
    settings_.save();
    hide();
    // However the window is closed, the learner is not left without one.
    if (!ending_) forms().returnToMainWindow();
    event->accept();
    forms().release(this);
}

// A thin rim keeps the pale window apart from a white page beneath it.
void Form5::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(kTickerRim);
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
