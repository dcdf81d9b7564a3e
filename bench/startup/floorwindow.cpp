// startup_floor: the least a Qt 6 Widgets program does before its window is on the screen, a
// window with one text field; the start-up figures of the programs are given beside it.
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
