#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "fakes/recording_launcher.h"
#include "fakes/recording_prompt.h"
#include "fakes/temp_root.h"
#include "shell/about/help_viewer.h"
#include "shell/form_registry.h"

using namespace tawen;

namespace {

struct Link {
    QString href;
    int position;
};

// Every link of the page, and every anchor a link can lead to.
QList<Link> linksOf(const QTextDocument& page) {
    QList<Link> links;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor() &&
                !it.fragment().charFormat().anchorHref().isEmpty())
                links.append({it.fragment().charFormat().anchorHref(), it.fragment().position()});
    return links;
}

QStringList anchorsOf(const QTextDocument& page) {
    QStringList names;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names += it.fragment().charFormat().anchorNames();
    return names;
}

}  // namespace

// Opens the help as the F1 key and the 帮助 button do, on the page that the
// build ships, and reads what the learner sees.
class HelpViewerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempRoot> root_;
    RecordingPrompt* prompt_ = nullptr;

    void installShippedHelp() {
        QDir().mkpath(root_->path("help"));
        QVERIFY(QFile::copy(QStringLiteral(TAWEN_STAGE_DIR "/help/index.html"),
                            root_->path("help/index.html")));
    }

    static HelpViewer& viewer() {
        HelpViewer* shown = forms().existing<HelpViewer>();
        if (!shown) qFatal("the help viewer is not open");
        return *shown;
    }

  private slots:
    void init() {
        root_ = std::make_unique<TempRoot>();
        prompt_ = &installRecordingPrompt();
    }

    void cleanup() { forms().discardAll(); }

    void showsTheShippedHelpInChinese() {
        installShippedHelp();
        showHelp(HelpFocus::Take);
        QVERIFY(prompt_->messages.isEmpty());
        QVERIFY(viewer().isVisible());
        QCOMPARE(viewer().windowTitle(), QStringLiteral("塔文英语单词 帮助"));

        const QString text = viewer().Browser->toPlainText();
        const QStringList topics = {"用户登录",
                                    "[新用户请登记]",
                                    "学习该课本部分(鼠标圈选)",
                                    "初学",
                                    "小窗口",
                                    "复习",
                                    "巩固",
                                    "进步曲线",
                                    "成绩统计表",
                                    "错误单词表",
                                    "个人生词库",
                                    "整理个人词库",
                                    "小精灵",
                                    "口语对话",
                                    "更换用户",
                                    "退出",
                                    "Ctrl+W",
                                    "Ctrl+L",
                                    "Ctrl+Q",
                                    "F1"};
        for (const QString& topic : topics) QVERIFY2(text.contains(topic), qPrintable(topic));
    }

    void everyLinkOfTheContentsLeadsToItsSection() {
        installShippedHelp();
        showHelp(HelpFocus::Take);
        const QTextDocument& page = *viewer().Browser->document();
        const QStringList anchors = anchorsOf(page);
        const QList<Link> links = linksOf(page);
        QVERIFY(links.size() >= 15);
        for (const Link& link : links) {
            QVERIFY2(link.href.startsWith(u'#'), qPrintable(link.href));
            QVERIFY2(anchors.contains(link.href.mid(1)), qPrintable(link.href));
        }
    }

    void clickingAContentsEntryScrollsToItAndBackReturns() {
        installShippedHelp();
        showHelp(HelpFocus::Take);
        QTextBrowser* browser = viewer().Browser;
        QVERIFY(QTest::qWaitForWindowExposed(&viewer()));
        QCOMPARE(browser->verticalScrollBar()->value(), 0);

        const QList<Link> links = linksOf(*browser->document());
        const auto review = std::find_if(links.begin(), links.end(),
                                         [](const Link& l) { return l.href == "#review"; });
        QVERIFY(review != links.end());
        QTextCursor cursor(browser->document());
        cursor.setPosition(review->position + 1);
        const QPoint onLink = browser->cursorRect(cursor).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, onLink);
        QCOMPARE(browser->source().fragment(), QStringLiteral("review"));
        QVERIFY(browser->verticalScrollBar()->value() > 0);

        browser->backward();
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
    }

    void aLinkToTheOutsideGoesToTheDesktop() {
        RecordingLauncher& desktop = installRecordingLauncher();
        QDir().mkpath(root_->path("help"));
        QFile page(root_->path("help/index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(
            "<html><body><p><a href=\"https://tawen.example.org/words\">home</a></p>"
            "</body></html>");
        page.close();
        showHelp(HelpFocus::Take);
        QTextBrowser* browser = viewer().Browser;
        QVERIFY(QTest::qWaitForWindowExposed(&viewer()));
        const QUrl shown = browser->source();
        const QList<Link> links = linksOf(*browser->document());
        QCOMPARE(links.size(), 1);
        QTextCursor cursor(browser->document());
        cursor.setPosition(links[0].position + 1);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(cursor).center());
        QCOMPARE(desktop.urls, QList<QUrl>{QUrl("https://tawen.example.org/words")});
        QCOMPARE(browser->source(), shown);
    }

    void askingAgainBringsTheSameWindowForward() {
        installShippedHelp();
        showHelp(HelpFocus::Take);
        HelpViewer* first = &viewer();
        showHelp(HelpFocus::Leave);
        QCOMPARE(&viewer(), first);
        int viewers = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            viewers += qobject_cast<HelpViewer*>(window) != nullptr;
        QCOMPARE(viewers, 1);

        // Closed, it opens afresh next time.
        viewer().close();
        QCOMPARE(forms().existing<HelpViewer>(), nullptr);
        showHelp(HelpFocus::Leave);
        QVERIFY(viewer().isVisible());
    }

    void aMissingHelpFileIsReported() {
        showHelp(HelpFocus::Take);
        QCOMPARE(forms().existing<HelpViewer>(), nullptr);
        QCOMPARE(prompt_->messages.size(), 1);
        QCOMPARE(prompt_->messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(prompt_->messages[0].text.contains(QStringLiteral("帮助文件")));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "test_help_viewer.moc"
