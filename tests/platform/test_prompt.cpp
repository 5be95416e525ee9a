#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/qt_prompt.h"

namespace {

// What a box showed the learner, read while it waits for an answer.
struct Seen {
    QString title;
    QStringList texts;
    QStringList buttons;
    bool buttonIcons = false;
    QSize size;
};

// Reads the modal box once it is up, then answers it with a click on the
// button captioned `answer` (typing `typed` first into its line, if any).
void answerWhenShown(Seen& seen, const QString& answer, const QString& typed = {}) {
    QTimer::singleShot(0, [&seen, answer, typed] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        seen.title = box->windowTitle();
        seen.size = box->size();
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (!label->text().isEmpty()) seen.texts.append(label->text());
        QPushButton* chosen = nullptr;
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            seen.buttons.append(button->text());
            seen.buttonIcons = seen.buttonIcons || !button->icon().isNull();
            if (button->text() == answer) chosen = button;
        }
        if (QLineEdit* line = box->findChild<QLineEdit*>()) {
            line->clear();
            QTest::keyClicks(line, typed);
        }
        QVERIFY(chosen != nullptr);
        QTest::mouseClick(chosen, Qt::LeftButton);
    });
}

// The look of the Linux desktops the program meets, where dialog buttons
// carry the theme's pictures unless told otherwise.
class DesktopLikeStyle final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

// The boxes the learner meets: their words, their one plain 确定, and room
// enough around a short message.
class PromptTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setStyle(new DesktopLikeStyle); }

    void aShortMessageStandsInARoomyBoxWithAPlainOk() {
        platform::QtPrompt prompt;
        Seen seen;
        answerWhenShown(seen, QStringLiteral("确定"));
        prompt.message(QStringLiteral("密码出错!"), QString());
        QCOMPARE(seen.title, QStringLiteral("Tawen"));
        QCOMPARE(seen.texts, QStringList{QStringLiteral("密码出错!")});
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
        QVERIFY(!seen.buttonIcons);
        QVERIFY2(
            seen.size.width() >= 280 && seen.size.height() >= 110,
            qPrintable(QStringLiteral("%1x%2").arg(seen.size.width()).arg(seen.size.height())));

        Seen titled;
        answerWhenShown(titled, QStringLiteral("确定"));
        prompt.message(QStringLiteral("本程序只能阅读英文文档"), QStringLiteral("错误提示"));
        QCOMPARE(titled.title, QStringLiteral("错误提示"));
    }

    void anInputBoxAnswersWhatWasTypedOrNothing() {
        platform::QtPrompt prompt;
        Seen seen;
        answerWhenShown(seen, QStringLiteral("确定"), QStringLiteral("alice"));
        QCOMPARE(prompt.input(QStringLiteral("请输入用户名"), QStringLiteral("提示"), QString()),
                 std::optional<QString>(QStringLiteral("alice")));
        QCOMPARE(seen.title, QStringLiteral("提示"));
        QCOMPARE(seen.buttons, (QStringList{QStringLiteral("确定"), QStringLiteral("取消")}));
        QVERIFY(!seen.buttonIcons);

        Seen cancelled;
        answerWhenShown(cancelled, QStringLiteral("取消"), QStringLiteral("bob"));
        QCOMPARE(prompt.input(QStringLiteral("请输入用户名"), QStringLiteral("提示"), QString()),
                 std::nullopt);
    }
};

QTEST_MAIN(PromptTest)
#include "test_prompt.moc"
