#include "study/form10_statistics.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/twips.h"
#include "shell/form_registry.h"
#include "shell/window_placement.h"
#include "study/score_chart.h"
#include "study/score_log.h"

namespace tawen {

namespace {

const QSize kPicturePixels(platform::twipsToPixels(kPictureTwips.width()),
                           platform::twipsToPixels(kPictureTwips.height()));

}  // namespace

Form10::Form10() : Picture1(new QLabel(this)) {
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("进步曲线"));
    setFixedSize(kPicturePixels);
    Picture1->setGeometry(QRect(QPoint(0, 0), kPicturePixels));
    Picture1->setToolTip(QStringLiteral("双击可在进步曲线与成绩统计表之间转换"));
    Picture1->installEventFilter(this);
}

void Form10::load() {
    centerOnScreen(*this);
    Getrecentfiles();
}

void Form10::Picture1_Click() {
    ++views_;
    if (views_ % 2 == 1) {
        setWindowTitle(QStringLiteral("成绩统计表"));
        drawPicture(drawScoreTable);
    } else {
        setWindowTitle(QStringLiteral("进步曲线"));
        Getrecentfiles();
    }
}

void Form10::Getrecentfiles() { drawPicture(drawProgressCurve); }

void Form10::drawPicture(void (*draw)(QPainter&, const QStringList&)) {
    QImage picture(kPicturePixels, QImage::Format_RGB32);
    QPainter painter(&picture);
    draw(painter, ScoreRecords());
    painter.end();
    Picture1->setPixmap(QPixmap::fromImage(picture));
}

bool Form10::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Picture1) return QWidget::eventFilter(watched, event);
    // A double click, as the tool tip invites, switches the view once: the
    // release that ends it is part of the double click, not a click of its own.
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            doubleClicked_ = false;
            break;
        case QEvent::MouseButtonDblClick:
            doubleClicked_ = true;
            break;
        case QEvent::MouseButtonRelease: {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton && !doubleClicked_ &&
                Picture1->rect().contains(release->position().toPoint()))
                Picture1_Click();
            doubleClicked_ = false;
            break;
        }
        default:
            break;
    }
    return false;
}

void Form10::closeEvent(QCloseEvent* event) {
    event->accept();
    forms().release(this);
}

void showScoreStatistics() {
    Form10& window = forms().form<Form10>();
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace tawen
