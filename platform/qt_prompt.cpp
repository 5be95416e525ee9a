#include "platform/qt_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

namespace {

QWidget* activeParent() { return QApplication::activeWindow(); }

QString shownTitle(const QString& title) {
    return title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title;
}

}  // namespace

void QtPrompt::message(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, shownTitle(title), text, QMessageBox::Ok, activeParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
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
