#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringEncoder>
#include <QStyle>
#include <QTest>

#include "fakes/desktop.h"
#include "fakes/file_size_limit.h"
#include "platform/text_codec.h"
#include "shell/form6_main.h"
#include "shell/form7_login.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_registry.h"

using namespace tawen;

namespace {

QByteArray gb18030(QStringView text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

// A new user's whole settings file, byte for byte.
const QByteArray kNewUserFile = gb18030(
    u"[词库]\r\n"
    u"名称=小学英语第一册\r\n"
    u"序号=0\r\n"
    u"全部=True\r\n"
    u"词始=1\r\n"
    u"词终=50\r\n"
    u"[初记]\r\n"
    u"英文发音=1\r\n"
    u"打乱词序=0\r\n"
    u"显示英文=1\r\n"
    u"显示中文=1\r\n"
    u"显示相似=1\r\n"
    u"同时出现=0\r\n"
    u"缓出中文=True\r\n"
    u"缓出英文=False\r\n"
    u"朗读遍数=1\r\n"
    u"间隔秒数=3\r\n"
    u"[复习]\r\n"
    u"打乱词序=0\r\n"
    u"读出英文=1\r\n"
    u"听声选择=0\r\n"
    u"选错复读=1\r\n"
    u"中文选项=True\r\n"
    u"英文选项=False\r\n"
    u"[巩固]\r\n"
    u"显示中文=1\r\n"
    u"打乱次序=0\r\n"
    u"英语读音=1\r\n"
    u"显示提示=1\r\n"
    u"许错遍数=3\r\n"
    u"隔读秒数=3\r\n"
    u"[小窗口]\r\n"
    u"英文发音=True\r\n"
    u"打乱词序=False\r\n"
    u"单行显示=False\r\n"
    u"双行显示=True\r\n"
    u"同时出现=False\r\n"
    u"缓出中文=True\r\n"
    u"缓出英文=False\r\n"
    u"读词遍数=1\r\n"
    u"间隔时间=3\r\n"
    u"位置X=3800\r\n"
    u"位置Y=3800\r\n");

}  // namespace

// Drives the login window as a learner does: typing into the boxes and
// pressing 登录 or Enter, then looks at the windows and the files.
class LoginTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop_;
    TempRoot* root_ = nullptr;
    RecordingPrompt* prompt_ = nullptr;

    Form7& login() { return forms().form<Form7>(); }

    // Chinese arrives as an input method's commit, as it does from a real IME.
    static void enter(QLineEdit* box, const QString& text) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    }

    void type(const QString& name, const QString& password) {
        Form7& window = login();
        window.Combo1->lineEdit()->selectAll();
        QTest::keyClick(window.Combo1->lineEdit(), Qt::Key_Backspace);
        enter(window.Combo1->lineEdit(), name);
        enter(window.Text1, password);
    }

    void logInAs(const QString& name, const QString& password) {
        type(name, password);
        QTest::mouseClick(login().Command1, Qt::LeftButton);
    }

    QByteArray registryBytes() const { return root_->read("system/List.sys"); }

    // Creates the users through the window, then starts afresh at login.
    void createUsers(const QList<UserRecord>& users) {
        for (const UserRecord& user : users) {
            logInAs(user.name, user.password);
            forms().discardAll();
        }
        prompt_->messages.clear();
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<Desktop>();
        root_ = &desktop_->root;
        prompt_ = &desktop_->prompt;
        CurrentUser.clear();
    }

    void cleanup() { forms().discardAll(); }

    void startsWithTheHintAndTheListInFileOrder() {
        UserRegistry(UserRegistry::defaultPath()).append({"zoe", "1"});
        UserRegistry(UserRegistry::defaultPath()).append({"adam", "2"});
        Form7& window = login();
        QCOMPARE(window.windowTitle(), QStringLiteral("用户登录"));
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("[新用户请登记]"));
        QCOMPARE(window.Combo1->count(), 2);
        QCOMPARE(window.Combo1->itemText(0), QStringLiteral("zoe"));
        QCOMPARE(window.Combo1->itemText(1), QStringLiteral("adam"));
        QCOMPARE(window.Text1->echoMode(), QLineEdit::Password);
        QCOMPARE(window.Text1->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                  window.Text1),
                 int('*'));
    }

    // A file left by a creation that never reached the list is replaced whole.
    void newUserIsCreatedAndLoggedIn() {
        root_->write("User/bob.ini", "[old]\r\nkept=1\r\n");
        logInAs("bob", "pw1");
        QCOMPARE(registryBytes(),
                 QByteArray("bob") + QByteArray(15, ' ') + "pw1" + QByteArray(15, ' '));
        QCOMPARE(CurrentUser, QStringLiteral("bob"));
        QCOMPARE(SettingsPath(), root_->path("User/bob.ini"));
        QCOMPARE(root_->read("User/bob.ini"), kNewUserFile);
        Form6* main = forms().existing<Form6>();
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->Label1->text(), QStringLiteral("用户：bob"));
        QVERIFY(!forms().existing<Form7>());
        QVERIFY(prompt_->messages.isEmpty());
    }

    void enterInThePasswordBoxLogsIn() {
        type("carol", "x");
        QTest::keyClick(login().Text1, Qt::Key_Return);
        QCOMPARE(CurrentUser, QStringLiteral("carol"));
    }

    void storedUserWithRightPasswordChangesNoFile() {
        createUsers({{"bob", "pw1"}});
        root_->write("User/bob.ini", "[词库]\r\n名称=mine\r\n");
        const QByteArray registryBefore = registryBytes();
        Form7& window = login();
        // Picked from the opened list, as a learner does.
        window.Combo1->showPopup();
        QAbstractItemView* list = window.Combo1->view();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("bob"));
        QTest::keyClicks(window.Text1, "pw1");
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(CurrentUser, QStringLiteral("bob"));
        QCOMPARE(registryBytes(), registryBefore);
        QCOMPARE(root_->read("User/bob.ini"), QByteArray("[词库]\r\n名称=mine\r\n"));
        QCOMPARE(forms().existing<Form6>()->Label1->text(), QStringLiteral("用户：bob"));
    }

    void wrongOrEmptyPasswordOpensAFreshLoginWindow_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong") << "PW1";
        QTest::newRow("empty") << "";
    }

    void wrongOrEmptyPasswordOpensAFreshLoginWindow() {
        QFETCH(QString, password);
        createUsers({{"bob", "pw1"}, {"ann", "2"}});
        Form7* first = &login();
        logInAs("bob", password);
        QCOMPARE(prompt_->messages.size(), 1);
        QCOMPARE(prompt_->messages[0].text, QStringLiteral("密码出错!"));
        QCOMPARE(prompt_->messages[0].title, QStringLiteral("提示"));
        Form7* fresh = forms().existing<Form7>();
        QVERIFY(fresh && fresh != first && fresh->isVisible());
        QCOMPARE(fresh->Combo1->currentText(), QStringLiteral("[新用户请登记]"));
        QCOMPARE(fresh->Text1->text(), QString());
        QCOMPARE(fresh->Combo1->count(), 2);
        QVERIFY(!forms().existing<Form6>());
        QCOMPARE(registryBytes().size(), 72);
    }

    void emptyNameOrPasswordDoesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("no password") << "newbie"
                                     << "";
        QTest::newRow("no name") << ""
                                 << "pw";
        QTest::newRow("blank name") << "   "
                                    << "pw";
        QTest::newRow("hint left, no password") << "[新用户请登记]"
                                                << "";
    }

    void emptyNameOrPasswordDoesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        Form7* window = &login();
        logInAs(name, password);
        QCOMPARE(forms().existing<Form7>(), window);
        QVERIFY(!forms().existing<Form6>());
        QVERIFY(prompt_->messages.isEmpty());
        QCOMPARE(registryBytes(), QByteArray());
        QVERIFY(QDir(root_->path("User")).isEmpty());
    }

    void theHintLeftAsTheNameAsksForAName() {
        Form7& window = login();
        QTest::keyClicks(window.Text1, "pw");
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(prompt_->messages.size(), 1);
        QCOMPARE(prompt_->messages[0].title, QStringLiteral("提示"));
        QCOMPARE(prompt_->messages[0].text,
                 QStringLiteral("请先在“用户：”框中选择或输入用户名，再按“登录”。"));
        QCOMPARE(forms().existing<Form7>(), &window);
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("[新用户请登记]"));
        QVERIFY(!forms().existing<Form6>());
        QCOMPARE(registryBytes(), QByteArray());
        QVERIFY(QDir(root_->path("User")).isEmpty());
    }

    // Typed key by key and left with Tab, as a learner moves to the password.
    void aTypedNameStaysAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("other letter case") << "Alice";
        QTest::newRow("beginning of a stored name") << "bo";
    }

    void aTypedNameStaysAsTyped() {
        QFETCH(QString, typed);
        createUsers({{"alice", "1"}, {"bob", "2"}});
        Form7& window = login();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClicks(window.Combo1->lineEdit(), typed);
        QTest::keyClick(window.Combo1->lineEdit(), Qt::Key_Tab);
        QVERIFY(window.Text1->hasFocus());
        QCOMPARE(window.Combo1->currentText(), typed);
        QTest::keyClicks(window.Text1, "new");
        QTest::keyClick(window.Text1, Qt::Key_Return);
        QVERIFY(prompt_->messages.isEmpty());
        QCOMPARE(CurrentUser, typed);
        QCOMPARE(registryBytes().size(), 3 * 36);
    }

    // Centred by the size the layout gives it, also the copy that follows a
    // wrong password.
    void theWindowIsCentredWhereverItIsShown() {
        createUsers({{"bob", "pw1"}});
        auto expectCentred = [](Form7& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The desktop adds the frame after the window is placed: a few
            // pixels off, where the default size put it some 170 off.
            const QPoint centre = window.screen()->availableGeometry().center();
            QVERIFY((window.frameGeometry().center() - centre).manhattanLength() <= 8);
        };
        Form7& first = login();
        first.show();
        expectCentred(first);
        logInAs("bob", "wrong");
        Form7* fresh = forms().existing<Form7>();
        QVERIFY(fresh && fresh != &first);
        expectCentred(*fresh);
    }

    void letterCaseMakesAnotherUser() {
        createUsers({{"bob", "pw1"}});
        logInAs("Bob", "other");
        QCOMPARE(CurrentUser, QStringLiteral("Bob"));
        QCOMPARE(registryBytes().size(), 72);
        QVERIFY(QFileInfo::exists(root_->path("User/Bob.ini")));
    }

    void blanksRoundANameReachTheSameUser() {
        createUsers({{"  dan ", " pw "}});
        QCOMPARE(registryBytes().left(18), QByteArray("dan") + QByteArray(15, ' '));
        logInAs(" dan  ", "pw");
        QCOMPARE(CurrentUser, QStringLiteral("dan"));
        QCOMPARE(registryBytes().size(), 36);
        QVERIFY(QFileInfo::exists(root_->path("User/dan.ini")));
    }

    void unsafeNamesAreRefusedBeforeAnythingIsWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "../evil";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("control") << QStringLiteral("a\u0007b");
    }

    void unsafeNamesAreRefusedBeforeAnythingIsWritten() {
        QFETCH(QString, name);
        Form7& window = login();
        window.Combo1->setEditText(name);
        QTest::keyClicks(window.Text1, "pw");
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(prompt_->messages.size(), 1);
        QCOMPARE(prompt_->messages[0].title, QStringLiteral("提示"));
        QVERIFY(prompt_->messages[0].text.contains(QStringLiteral("用户名")));
        QVERIFY(!forms().existing<Form6>());
        QCOMPARE(registryBytes(), QByteArray());
        QVERIFY(QDir(root_->path("User")).isEmpty());
        QCOMPARE(QDir(root_->path("")).entryList(QDir::Files), QStringList());
    }

    void typingIsLimitedToEighteenBytesSoTheUserComesBack() {
        type(QStringLiteral("王小明王小明王小明王小明"), "secret-password-too-long");
        const Form7& window = login();
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("王小明王小明王小明"));
        QCOMPARE(window.Text1->text(), QStringLiteral("secret-password-to"));
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(CurrentUser, QStringLiteral("王小明王小明王小明"));
        QVERIFY(QFileInfo::exists(root_->path("User/王小明王小明王小明.ini")));
        forms().discardAll();
        logInAs(QStringLiteral("王小明王小明王小明"), "secret-password-to");
        QCOMPARE(CurrentUser, QStringLiteral("王小明王小明王小明"));
        QCOMPARE(registryBytes().size(), 36);
        QVERIFY(prompt_->messages.isEmpty());
    }

    // As if the program died between the two saves: the learner is told, is
    // not logged in, and can try again from the same window. The settings,
    // written first, are whole; the list is as it was.
    void aNewUserWhoCannotBeListedIsNotLoggedIn_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("list cannot be written") << "folder";
        QTest::newRow("disk fills while the list is written") << "full";
    }

    void aNewUserWhoCannotBeListedIsNotLoggedIn() {
        QFETCH(QString, fault);
        if (fault == "folder") QVERIFY(QDir(root_->path("system")).mkdir("List.sys"));
        // A list longer than a settings file, so that only the list overflows.
        const UserRegistry registry(UserRegistry::defaultPath());
        for (int n = 0; fault == "full" && n < 30; ++n)
            QVERIFY(registry.append({QStringLiteral("u%1").arg(n), "pw"}));
        const QByteArray registryBefore = registryBytes();
        Form7& window = login();
        window.show();
        std::optional<FileSizeLimit> full;
        if (fault == "full") full.emplace(registryBefore.size() + 18);
        logInAs("fay", "pw");
        full.reset();
        QCOMPARE(prompt_->messages.size(), 1);
        QCOMPARE(prompt_->messages[0].title, QStringLiteral("错误提示"));
        QCOMPARE(prompt_->messages[0].text,
                 QStringLiteral("新用户登记失败：无法写入用户名单 system/List.sys。\n"
                                "请检查磁盘是否已满、文件夹是否可写，然后再试。"));
        QCOMPARE(forms().existing<Form7>(), &window);
        QVERIFY(window.isVisible());
        QVERIFY(!forms().existing<Form6>());
        QCOMPARE(CurrentUser, QString());
        QCOMPARE(registryBytes(), registryBefore);
        QCOMPARE(root_->read("User/fay.ini"), kNewUserFile);
    }

    void missingUserFolderReportsEachKeyAndStillLogsIn() {
        QDir(root_->path("User")).removeRecursively();
        logInAs("eve", "pw");
        QCOMPARE(prompt_->messages.size(), 38);
        QCOMPARE(prompt_->messages.first().text, QStringLiteral("写名称出错！"));
        QCOMPARE(CurrentUser, QStringLiteral("eve"));
        QVERIFY(forms().existing<Form6>()->isVisible());
        QCOMPARE(registryBytes().size(), 36);
    }
};

QTEST_MAIN(LoginTest)
#include "test_login.moc"
