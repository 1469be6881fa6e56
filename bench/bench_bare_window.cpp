// The yardstick for bench_startup: the least a Qt Widgets program does to put up a frameless
// 800x600 window, the main window's size. Nothing else may go in here, or the ratios drift.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(800, 600);
    window.show();
    return app.exec();
}
