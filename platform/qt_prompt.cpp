#include "platform/qt_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

// Room enough that a two-word message does not sit in a box the size of its
// button, and buttons wide enough for a mouse to find them.
constexpr int kMessageMinimumWidth = 280;
constexpr int kButtonMinimumWidth = 88;
constexpr QMargins kMessageMargins(24, 20, 24, 16);

QWidget* activeParent() { return QApplication::activeWindow(); }

QString shownTitle(const QString& title) {
    return title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title;
}

// Plain text buttons: the desktop theme would put an arrow or a tick on
// 确定 and 取消 that no Chinese desktop program shows.
void plainButtons(QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setIcon(QIcon());
        button->setMinimumWidth(kButtonMinimumWidth);
    }
}

void giveRoom(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    grid->setContentsMargins(kMessageMargins);
    grid->setVerticalSpacing(18);
    grid->addItem(
        new QSpacerItem(kMessageMinimumWidth - kMessageMargins.left() - kMessageMargins.right(), 0,
                        QSizePolicy::Minimum, QSizePolicy::Fixed),
        grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void QtPrompt::message(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, shownTitle(title), text, QMessageBox::Ok, activeParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    plainButtons(&box);
    giveRoom(box);
    box.exec();
}

std::optional<QString> QtPrompt::input(const QString& text, const QString& title,
                                       const QString& initial) {
    QInputDialog dialog(activeParent());
    dialog.setWindowTitle(shownTitle(title));
    dialog.setLabelText(text);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    dialog.setMinimumWidth(kMessageMinimumWidth);
    plainButtons(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString QtPrompt::openFileName(const QString& title, const QString& dir, const QString& filter) {
    return QFileDialog::getOpenFileName(activeParent(), title, dir, filter);
}

QString QtPrompt::saveFileName(const QString& title, const QString& dir, const QString& filter) {
    return QFileDialog::getSaveFileName(activeParent(), title, dir, filter);
}

}  // namespace platform
