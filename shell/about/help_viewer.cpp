#include "shell/about/help_viewer.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "shell/form_registry.h"

namespace tawen {

HelpViewer::HelpViewer() : Browser(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("塔文英语单词 帮助"));
    // The pages' own links are followed here; a link to the outside goes to
    // the desktop's browser or mail program.
    Browser->setOpenLinks(false);
    connect(Browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl target = Browser->source().resolved(link);
        if (target.isLocalFile()) {
            Browser->setSource(target);
        } else {
            platform::openUrl(target);
        }
    });
    Browser->setSource(QUrl::fromLocalFile(helpIndexPath()));
    setCentralWidget(Browser);

    QToolBar* bar = addToolBar(QStringLiteral("浏览"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* home = bar->addAction(QStringLiteral("目录"), Browser, &QTextBrowser::home);
    QAction* back = bar->addAction(QStringLiteral("后退"), Browser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("前进"), Browser, &QTextBrowser::forward);
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    resize(780, 580);
}

void HelpViewer::closeEvent(QCloseEvent* event) {
    event->accept();
    forms().release(this);
}

QString helpIndexPath() { return platform::SharedDir() + QStringLiteral("/help/index.html"); }

void showHelp(HelpFocus focus) {
    const QFileInfo index(helpIndexPath());
    if (!index.isFile() || !index.isReadable()) {
        platform::prompt().message(QStringLiteral("找不到帮助文件“%1”，无法显示帮助。\n"
                                                  "请重新安装塔文英语单词。")
                                       .arg(QDir::toNativeSeparators(index.filePath())),
                                   QStringLiteral("错误提示"));
        return;
    }
    HelpViewer& viewer = forms().form<HelpViewer>();
    viewer.setAttribute(Qt::WA_ShowWithoutActivating, focus == HelpFocus::Leave);
    viewer.showNormal();
    viewer.raise();
    if (focus == HelpFocus::Take) viewer.activateWindow();
}

}  // namespace tawen
