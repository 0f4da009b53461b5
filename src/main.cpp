// Starts the kiosk: one window, shown where the window system places new windows.
#include "shell/Stopwise.h"

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    stopwise::Stopwise window;
    window.show();
    return app.exec();
}
