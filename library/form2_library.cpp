#include "library/form2_library.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>
#include <optional>

#include "library/form4_error_table.h"
#include "library/library_catalog.h"
#include "library/library_files.h"
#include "platform/prompt.h"
#include "platform/twips.h"
#include "shell/control_touches.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "shell/session.h"
#include "shell/user_settings.h"
#include "shell/window_placement.h"

namespace tawen {

namespace {

const QString kSection = QStringLiteral("词库");

// Places a control at a position given in twips within the client area,
// below the toolbar that the classic layout counted in.
void place(QWidget* control, int left, int top, int width, int height) {
    constexpr int kToolbarTwips = 1080;
    using platform::twipsToPixels;
    control->setGeometry(twipsToPixels(left), twipsToPixels(top - kToolbarTwips),
                         twipsToPixels(width), twipsToPixels(height));
}

// Shows the hourglass over the window while a course loads.
class WaitCursor {
  public:
    explicit WaitCursor(QWidget& window) : window_(window) { window.setCursor(Qt::WaitCursor); }
    ~WaitCursor() { window_.unsetCursor(); }

  private:
    QWidget& window_;
};

// What is wrong with a course file that gave no words, and what to do.
QString courseFileMessage(FileProblem problem, const QString& name, const QString& path,
                          bool personal) {
    const QString course = u'《' + name + u'》';
    const QString reinstall = personal ? QStringLiteral("请从备份中恢复个人生词库后再试。")
                                       : QStringLiteral("请重新安装这门课程后再试。");
    switch (problem) {
        case FileProblem::Missing:
            return QStringLiteral("没有找到") + course +
                   QStringLiteral("的词库文件，这门课程可能没有安装完整。") + reinstall;
        case FileProblem::Folder:
            return course + QStringLiteral("的词库文件应是“") + path +
                   QStringLiteral(
                       "”，但那里是一个同名的文件夹，不是词库文件。"
                       "请移走这个文件夹后再试。");
        case FileProblem::Unreadable:
            return course + QStringLiteral("的词库文件“") + path +
                   QStringLiteral(
                       "”无法读取：可能没有读取它的权限，或者磁盘出了问题。"
                       "请检查这个文件后再试。");
        case FileProblem::Empty:
            return course +
                   QStringLiteral("的词库文件是空的，里面没有一个单词，文件可能已经损坏。") +
                   reinstall;
        case FileProblem::NotWordFile:
            return course +
                   QStringLiteral(
                       "的词库文件已经损坏，或者不是塔文英语单词的词库文件，读不出单词。") +
                   reinstall;
        case FileProblem::None:
            break;
    }
    return {};
}

}  // namespace

Form2::Form2()
    : navigation(new Navigation(*this, Mode::Library)),
      List1(new QListWidget),
      words(new WordTable(this)),
      MSFlexGrid1(new QTableView),
      Option1(new QRadioButton(QStringLiteral("学习该课本全部"))),
      Option2(new QRadioButton(QStringLiteral("学习该课本部分(鼠标圈选)"))),
      StatusPanel1(new QLabel),
      StatusPanel2(new QLabel),
      Label1(offstage(new QLabel(QStringLiteral("从")))),
      Text3(offstage(new QLineEdit(QStringLiteral("0")))),
      Label2(offstage(new QLabel(QStringLiteral("到")))),
      Text1(offstage(new QLineEdit(QStringLiteral("0")))),
      Command1(offstage(new QPushButton(QStringLiteral("初记单词")))),
      Command2(offstage(new QPushButton(QStringLiteral("回忆单词")))),
      Command3(offstage(new QPushButton(QStringLiteral("牢记单词")))),
      Command4(offstage(new QPushButton(QStringLiteral("确定")))) {
    connect(navigation, &Navigation::modeChosen, this, &Form2::leaveFor);
    buildControls();
}

void Form2::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    for (QWidget* control :
         std::initializer_list<QWidget*>{List1, MSFlexGrid1, Option1, Option2, Label1, Text3,
                                         Label2, Text1, Command1, Command2, Command3, Command4})
        control->setParent(client);
    place(List1, 0, 1080, 2055, 4545);
    place(MSFlexGrid1, 2070, 1080, 6720, 4200);
    place(Option1, 2205, 5355, 2265, 240);
    place(Option2, 5805, 5355, 2490, 240);
    // Our CJK face runs wider than the one these places were measured with.
    for (QRadioButton* option : {Option1, Option2})
        option->resize(option->sizeHint().expandedTo(option->size()));

    MSFlexGrid1->setModel(words);
    MSFlexGrid1->setToolTip(QStringLiteral("可用鼠标圈选要学习的部分"));
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(20);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setWordWrap(false);
    const int widths[WordTable::ColumnCount] = {500, 2500, 3300, 3300};
    for (int column = 0; column < WordTable::ColumnCount; ++column)
        MSFlexGrid1->setColumnWidth(column, platform::twipsToPixels(widths[column]));
    MSFlexGrid1->viewport()->installEventFilter(this);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(StatusPanel1, 1);
    statusBar()->addWidget(StatusPanel2, 1);

    for (QPushButton* command : {Command1, Command2, Command3}) command->setEnabled(false);
    for (QWidget* box : std::initializer_list<QWidget*>{Label1, Text3, Label2, Text1})
        box->setEnabled(false);

    connect(List1, &QListWidget::currentRowChanged, this, &Form2::List1_Click);
    connect(List1, &QListWidget::pressed, this, &Form2::highlightChosenCourse);
    connect(Option1, &QRadioButton::clicked, this, &Form2::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form2::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::SaveLibraryChoice);

    client->setFixedSize(platform::twipsToPixels(8805), platform::twipsToPixels(5925 - 1080));
    setFixedSize(sizeHint());
    centerOnScreen(*this);
}

void Form2::load() {
    {
        const QSignalBlocker quiet(List1);
        for (const CatalogEntry& course : LibraryCatalog::courses())
            List1->addItem(course.displayName);
        const QFileInfo personal(libraryFilePath(LibraryCatalog::personalEntry().code));
        if (personal.isFile() && personal.size() > 0) List1->addItem(PersonalLibraryEntry);
    }
    if (const QString name = ReadSetting(kSection, QStringLiteral("名称")); !name.isEmpty()) {
        CurrentCourseName = name.trimmed();
        const int saved = savedListPosition();
        List1->setCurrentRow(saved);
        if (chosenRow_ == saved) {
            restoreSavedRange();
        } else if (saved != 0) {
            // The saved course could not be loaded (the learner has been
            // told): the first course takes its place, whole, since the
            // saved range belonged to the other course.
            List1->setCurrentRow(0);
        }
    } else {
        List1->setCurrentRow(0);
    }
    setWindowTitle(QStringLiteral("塔文英语单词 - [词库]"));
    // Last: the menus are the main window's, and a main window made by this
    // reference must find the library already loaded.
    installModeMenus(*this, *navigation);
}

void Form2::restoreSavedRange() {
    const int first = clampedRow(ReadSetting(kSection, QStringLiteral("词始")));
    const int last = clampedRow(ReadSetting(kSection, QStringLiteral("词终")));
    if (ReadSetting(kSection, QStringLiteral("全部")) != u"True") {
        Option2->setChecked(true);
        unlockRange(true);
        selectGridRows(first, last);
    }
    Text3->setText(QString::number(first));
    Text1->setText(QString::number(last));
    showRange();
}

int Form2::savedListPosition() const {
    const int stored = ReadSetting(kSection, QStringLiteral("序号")).trimmed().toInt();
    return std::clamp(stored, 0, std::max(0, List1->count() - 1));
}

int Form2::clampedRow(const QString& text) const {
    const int count = words->wordCount();
    return count == 0 ? 0 : std::clamp(text.trimmed().toInt(), 1, count);
}

StudyRange Form2::studyRange() const { return StudyRange::fromTexts(Text3->text(), Text1->text()); }

QString Form2::courseLine() const {
    return QStringLiteral("课程：") + CurrentCourseName + QStringLiteral(" (") +
           studyRange().asShown() + u')';
}

void Form2::List1_Click(int row) {
    if (row < 0 || row >= List1->count()) return;
    const QString text = List1->item(row)->text();
    const QString previousCode = CurrentLibraryCode;
    LoadResult loaded;
    {
        const WaitCursor hourglass(*this);
        loaded = OpenByDisplayName(text, *words);
    }
    if (!loaded) {
        const QString path = libraryFilePath(CurrentLibraryCode);
        // Keep the course whose words the table still holds, so the name,
        // the range and what is saved all stay about the same course.
        CurrentLibraryCode = previousCode;
        highlightChosenCourse();
        platform::prompt().message(
            courseFileMessage(loaded.problem, text.trimmed(), path, text == PersonalLibraryEntry),
            QStringLiteral("错误提示"));
        return;
    }
    chosenRow_ = row;
    CurrentCourseName = text.trimmed();
    StatusPanel1->setText(QStringLiteral("课程：") + text);
    Option1->setChecked(true);
    takeWholeCourse();
    selectGridRows(1, 1);
    for (QPushButton* command : {Command1, Command2, Command3}) command->setEnabled(true);
    emit courseChosen(courseLine());
}

// A click selects its row only after the choice has run, so a refused
// course is put back here as well as when it is refused.
void Form2::highlightChosenCourse() {
    const QSignalBlocker quiet(List1);
    List1->setCurrentRow(chosenRow_);
}

void Form2::Option1_Click() { takeWholeCourse(); }

void Form2::Option2_Click() { unlockRange(true); }

void Form2::takeWholeCourse() {
    unlockRange(false);
    selectGridRows(1, words->wordCount());
    Text1->setText(QString::number(words->wordCount()));
    Text3->setText(QStringLiteral("1"));
    showRange();
}

// The range boxes can be reached, and the range in the status bar stands
// out, only while part of the course is studied.
void Form2::unlockRange(bool part) {
    for (QWidget* box : std::initializer_list<QWidget*>{Label1, Label2, Text1, Text3})
        box->setEnabled(part);
    StatusPanel2->setEnabled(part);
}

void Form2::MSFlexGrid1_MouseUp() {
    const std::optional<GridSpan> span = highlightedSpan();
    if (!span) return;
    Text3->setText(QString::number(span->began));
    Text1->setText(QString::number(span->ended));
    Option2->setChecked(true);
    unlockRange(true);
    showRange();
}

std::optional<Form2::GridSpan> Form2::highlightedSpan() const {
    const QModelIndex current = MSFlexGrid1->currentIndex();
    if (!current.isValid()) return std::nullopt;
    const int currentRow = current.row() + 1;
    const QItemSelection selection = MSFlexGrid1->selectionModel()->selection();
    if (selection.isEmpty()) return GridSpan{currentRow, currentRow};
    int top = selection.first().top() + 1;
    int bottom = selection.first().bottom() + 1;
    for (const QItemSelectionRange& part : selection) {
        top = std::min(top, part.top() + 1);
        bottom = std::max(bottom, part.bottom() + 1);
    }
    // The grid's current row is where the pointer let go (or where a
    // Shift+click ended the selection); the selection began at the other end.
    return currentRow == top ? GridSpan{bottom, top} : GridSpan{top, bottom};
}

// The error table opens over this window, which stays: hiding it would
// leave the learner with no window once the table is closed.
void Form2::Command3_Click() { forms().form<Form4>().exec(); }

void Form2::showRange() {
    StatusPanel2->setText(QStringLiteral("学习：(") + studyRange().asShown() + u')');
    StatusPanel2->setEnabled(!Option1->isChecked());
    emit courseLineChanged(courseLine());
}

void Form2::selectGridRows(int from, int to) {
    if (words->wordCount() == 0) return;
    const QModelIndex start = words->index(from - 1, 1);
    const QModelIndex end = words->index(to - 1, WordTable::ColumnCount - 1);
    MSFlexGrid1->selectionModel()->setCurrentIndex(start, QItemSelectionModel::NoUpdate);
    MSFlexGrid1->selectionModel()->select(
        QItemSelection(start, end),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    MSFlexGrid1->scrollTo(start);
}

void Form2::SaveLibraryChoice() {
    if (chosenRow_ < 0) return;  // no course could be loaded: nothing to remember
    Text5 = Option1->isChecked() ? QStringLiteral("True") : QStringLiteral("False");
    Text2 = QString::number(chosenRow_);
    Text4 = List1->item(chosenRow_)->text();
    if (Text4 == PersonalLibraryEntry) return;
    const StudyRange range = studyRange();
    WriteSettings(kSection, {{QStringLiteral("名称"), Text4.trimmed()},
                             {QStringLiteral("序号"), Text2},
                             {QStringLiteral("全部"), Text5},
                             {QStringLiteral("词始"), QString::number(range.first)},
                             {QStringLiteral("词终"), QString::number(range.last)}});
}

void Form2::Command1_Click() {
    openModeWindow(Mode::Review);
    hide();
}

// Unlike the toolbar, 回忆单词 leaves without saving the choice first.
void Form2::Command2_Click() {
    hide();
    openModeWindow(Mode::Consolidation);
}

void Form2::leaveFor(Mode target) {
    if (!modeWindow(target)) return;
    SaveLibraryChoice();
    // The agent window loads before this one goes: when its characters
    // cannot come, the learner stays here.
    if (target == Mode::Agent) {
        if (openModeWindow(target)) hide();
        return;
    }
    hide();
    openModeWindow(target);
}

void Form2::showPersonalLibraryRow(bool shown) {
    const QList<QListWidgetItem*> found = List1->findItems(PersonalLibraryEntry, Qt::MatchExactly);
    QListWidgetItem* row = found.isEmpty() ? nullptr : found.first();
    if (shown && !row) {
        List1->addItem(PersonalLibraryEntry);
    } else if (shown && row == List1->currentItem()) {
        List1_Click(List1->row(row));
    } else if (!shown && row) {
        const bool chosen = row == List1->currentItem();
        {
            const QSignalBlocker quiet(List1);
            delete row;
        }
        if (chosen) List1->setCurrentRow(0);
    }
}

void Form2::closeEvent(QCloseEvent* event) {
    SaveLibraryChoice();
    hide();
    forms().returnToMainWindow();
    event->accept();
    forms().release(this);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MSFlexGrid1->viewport() && event->type() == QEvent::MouseButtonRelease)
        MSFlexGrid1_MouseUp();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tawen
