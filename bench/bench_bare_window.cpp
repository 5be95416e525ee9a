// The baseline of bench_startup: a bare Qt 6 window with a line of text.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("A bare Qt window"));
    window.resize(320, 160);
    window.show();
    return QApplication::exec();
}
