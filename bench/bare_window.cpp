// The baseline of the window benchmark: an empty Qt Widgets main window of
// the manager's default size, shown the same way.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(330, 420);
    window.show();
    return QApplication::exec();
}
