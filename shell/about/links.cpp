#include "shell/about/links.h"

#include <QUrl>

#include "platform/launcher.h"
#include "platform/prompt.h"

namespace tawen {

namespace {

const QString kErrorTitle = QStringLiteral("错误提示");

}  // namespace

void openHomePage() {
    if (platform::openUrl(QUrl(kHomePage))) return;
    platform::prompt().message(
        QStringLiteral("无法启动浏览器打开学习主页，请手动访问：\n") + kHomePage, kErrorTitle);
}

void mailAuthor() {
    if (platform::openUrl(QUrl(QStringLiteral("mailto:") + kAuthorMail))) return;
    platform::prompt().message(QStringLiteral("无法启动邮件程序，请手动写信到：\n") + kAuthorMail,
                               kErrorTitle);
}

}  // namespace tawen
