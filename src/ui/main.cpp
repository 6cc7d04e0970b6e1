// Program entry: the application, its main window, and the event loop.
#include <QApplication>

#include "ui/tform1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Kalvesta4");
    kalvesta::TForm1 form1;
    form1.show();
    return QApplication::exec();
}
