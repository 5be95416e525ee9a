// The baselines of bench_startup: a bare Qt 6 window with a line of text, or
// with --controls one holding the kinds of controls the login window has (a
// group box, labels, an editable combo box, a password box and a button), so
// that what Qt itself costs for them can be told from what the program adds.

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void addControls(QWidget& window) {
    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    auto* name = new QComboBox;
    name->setEditable(true);
    auto* password = new QLineEdit;
    password->setEchoMode(QLineEdit::Password);
    grid->addWidget(new QLabel(QStringLiteral("Name:")), 0, 0);
    grid->addWidget(name, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password:")), 1, 0);
    grid->addWidget(password, 1, 1);
    grid->addWidget(new QPushButton(QStringLiteral("Log in")), 2, 1);
    (new QVBoxLayout(&window))->addWidget(frame);
    name->setFocus();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("A bare Qt window"));
    if (QApplication::arguments().contains(QStringLiteral("--controls"))) {
        window.clear();
        addControls(window);
    }
    window.resize(320, 160);
    window.show();
    return QApplication::exec();
}
