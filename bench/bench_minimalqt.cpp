// The yardstick of the start-up benchmark: the least Qt Widgets program that shows a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window("minimal");
    window.resize(800, 650);
    window.show();
    return app.exec();
}
