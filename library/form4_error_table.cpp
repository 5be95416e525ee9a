#include "library/form4_error_table.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "library/personal_library.h"
#include "library/personal_library_actions.h"
#include "library/word_list.h"
#include "platform/twips.h"

namespace tawen {

namespace {

void place(QWidget* control, int left, int top, int width, int height) {
    using platform::twipsToPixels;
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
}

}  // namespace

Form4::Form4()
    : ListView1(newWordList()),
      Frame1(new QGroupBox),
      Label1(new QLabel(QStringLiteral("错误0个单词，正确率为100%。"))),
      Command2(new QPushButton(QStringLiteral("添词"))),
      Command3(new QPushButton(QStringLiteral("保存"))),
      Command1(new QPushButton(QStringLiteral("取消"))) {
    buildControls();
    setWindowTitle(QStringLiteral("错误单词表"));
}

void Form4::buildControls() {
    // Above the test window that opened it, and above anything else.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ListView1, Frame1, Command2, Command3, Command1})
        control->setParent(this);
    // The summary's column is wider and the window taller than they were
    // drawn: our CJK face needs the room for all of the summary to show.
    place(ListView1, 60, 60, 4425, 4770);
    ListView1->setColumnWidth(0, platform::twipsToPixels(1700));
    place(Frame1, 4545, 0, 2400, 3720);
    auto* inside = new QVBoxLayout(Frame1);
    inside->setContentsMargins(6, 6, 4, 4);
    inside->addWidget(Label1, 0, Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    int top = 3795;
    for (QPushButton* command : {Command2, Command3, Command1}) {
        place(command, 4545, top, 2400, 330);
        command->setAutoDefault(false);
        top += 375;
    }
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    setFixedSize(platform::twipsToPixels(7005), platform::twipsToPixels(4890));
}

void Form4::clearMisses() { ListView1->clear(); }

void Form4::addMiss(const WordEntry& entry) {
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        if (ListView1->topLevelItem(i)->text(0).compare(entry.word, Qt::CaseInsensitive) == 0)
            return;
    appendChecked(entry);
}

void Form4::appendChecked(const WordEntry& entry) {
    appendWord(*ListView1, entry)->setCheckState(0, Qt::Checked);
}

void Form4::Command1_Click() { hide(); }

void Form4::Command2_Click() {
    // A word the learner got right but is unsure of; listing it twice is
    // their own choice.
    if (const std::optional<WordEntry> entry = askForWord()) appendChecked(*entry);
}

void Form4::Command3_Click() {
    std::optional<QList<WordEntry>> words = readPersonalLibrary();
    if (!words) {
        reportUnreadablePersonalLibrary();
        return;
    }
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& item = *ListView1->topLevelItem(i);
        if (item.checkState(0) == Qt::Checked) words->append(wordOf(item));
    }
    if (storePersonalLibrary(*words)) hide();
}

}  // namespace tawen
