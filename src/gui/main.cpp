#include <QApplication>

#include <string>
#include <vector>

#include "app/HomeDir.h"
#include "app/ReferenceApp.h"
#include "platform/qt/QtPorts.h"

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the core decides when to end
    QGuiApplication::setDesktopFileName(QStringLiteral("morvix"));  // the entry --register writes
    ProgramFiles files = FindProgramFiles();
    QtPorts ports(files.programDir);
    CReferenceApp app(ports.Get(), files);
    ports.Attach(app);
    std::vector<std::string> args(argv + 1, argv + argc);
    int code = app.InitInstance(args) ? QApplication::exec() : app.StartupExitCode();
    ports.Detach();
    return code;
}
