#include "library/form13_organizer.h"

#include <QDir>
#include <QPushButton>
#include <QTreeWidget>

#include "library/personal_library.h"
#include "library/personal_library_actions.h"
#include "library/word_list.h"
#include "platform/prompt.h"
#include "platform/twips.h"

namespace tawen {

namespace {

const QString kErrorTitle = QStringLiteral("错误提示");

void place(QWidget* control, int left, int top, int width, int height) {
    using platform::twipsToPixels;
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
}

}  // namespace

Form13::Form13(QWidget* parent)
    : QDialog(parent),
      ListView1(newWordList()),
      Command1(new QPushButton(QStringLiteral("增加"))),
      Command2(new QPushButton(QStringLiteral("删除"))),
      Command6(new QPushButton(QStringLiteral("上移"))),
      Command7(new QPushButton(QStringLiteral("下移"))),
      Command3(new QPushButton(QStringLiteral("导入"))),
      Command4(new QPushButton(QStringLiteral("导出"))),
      Command5(new QPushButton(QStringLiteral("保存"))) {
    buildControls();
    const std::optional<QList<WordEntry>> words = readPersonalLibrary();
    if (words) {
        for (const WordEntry& entry : *words) append(entry);
    } else {
        libraryRead_ = false;
        Command5->setEnabled(false);
        reportUnreadablePersonalLibrary();
    }
    if (ListView1->topLevelItemCount() > 0) ListView1->setCurrentItem(ListView1->topLevelItem(0));
    refresh();
}

void Form13::buildControls() {
    for (QWidget* control : std::initializer_list<QWidget*>{ListView1, Command1, Command2, Command6,
                                                            Command7, Command3, Command4, Command5})
        control->setParent(this);
    place(ListView1, 60, 60, 4530, 2865);
    ListView1->setColumnWidth(0, platform::twipsToPixels(1800));
    int top = 60;
    for (QPushButton* command :
         {Command1, Command2, Command6, Command7, Command3, Command4, Command5}) {
        place(command, 4680, top, 1365, 345);
        command->setAutoDefault(false);
        top += 405;
    }
    connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form13::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form13::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form13::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form13::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form13::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form13::Command7_Click);
    setFixedSize(platform::twipsToPixels(6105), platform::twipsToPixels(2985));
}

QList<WordEntry> Form13::listedWords() const {
    QList<WordEntry> words;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        words.append(wordOf(*ListView1->topLevelItem(i)));
    return words;
}

void Form13::append(const WordEntry& entry) { appendWord(*ListView1, entry); }

void Form13::refresh() {
    const bool any = ListView1->topLevelItemCount() > 0;
    Command2->setEnabled(any);
    Command4->setEnabled(any);
    setWindowTitle(QStringLiteral("整理个人词库　共%1个词").arg(ListView1->topLevelItemCount()));
}

void Form13::Command1_Click() {
    const std::optional<WordEntry> entry = askForWord();
    if (!entry) return;
    append(*entry);
    ListView1->setCurrentItem(ListView1->topLevelItem(ListView1->topLevelItemCount() - 1));
    refresh();
}

void Form13::Command2_Click() {
    QTreeWidgetItem* selected = ListView1->currentItem();
    if (!selected) return;
    const int index = ListView1->indexOfTopLevelItem(selected);
    delete selected;
    // The word that took its place, or the new last one.
    const int remaining = ListView1->topLevelItemCount();
    if (remaining > 0)
        ListView1->setCurrentItem(ListView1->topLevelItem(std::min(index, remaining - 1)));
    refresh();
}

void Form13::Command6_Click() { moveSelected(-1); }

void Form13::Command7_Click() { moveSelected(+1); }

void Form13::moveSelected(int step) {
    QTreeWidgetItem* selected = ListView1->currentItem();
    if (!selected) return;
    const int from = ListView1->indexOfTopLevelItem(selected);
    const int to = from + step;
    if (to < 0 || to >= ListView1->topLevelItemCount()) return;
    ListView1->insertTopLevelItem(to, ListView1->takeTopLevelItem(from));
    ListView1->setCurrentItem(selected);
}

void Form13::Command3_Click() {
    const QString path =
        platform::prompt().openFileName(QStringLiteral("导入备份词库"), QString(),
                                        QStringLiteral("备份词库 (*.BAK *.bak);;所有文件 (*)"));
    if (path.isEmpty()) return;
    const std::optional<QList<WordEntry>> words = readBackup(path);
    if (!words) {
        platform::prompt().message(
            QStringLiteral("导入的文件不能正确读入，可能文件被破坏或格式不合."), kErrorTitle);
        return;
    }
    for (const WordEntry& entry : *words) append(entry);
    refresh();
}

void Form13::Command4_Click() {
    const QList<WordEntry> words = listedWords();
    if (words.isEmpty()) return;
    const QString path = platform::prompt().saveFileName(
        QStringLiteral("导出备份词库"), QDir::home().filePath(QStringLiteral("塔文单词.bak")),
        QStringLiteral("备份词库 (*.bak)"));
    if (path.isEmpty()) return;
    if (!writeBackup(path, words))
        platform::prompt().message(
            QStringLiteral("备份词库没有导出成功，请检查磁盘空间和文件夹的写入权限后再试。"),
            kErrorTitle);
}

void Form13::Command5_Click() {
    if (!libraryRead_) return;
    storePersonalLibrary(listedWords());
}

}  // namespace tawen
