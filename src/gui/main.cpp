#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/HomeDir.h"
#include "app/ProgramInfo.h"
#include "app/ReferenceApp.h"
#include "platform/qt/QtPorts.h"

int main(int argc, char* argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto info = DesktopInfoRequest(args)) {  // before Qt, which needs a display
        std::cout << *info;
        return 0;
    }
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the core decides when to end
    QGuiApplication::setDesktopFileName(QStringLiteral("morvix"));  // the entry --register writes
    ProgramFiles files = FindProgramFiles();
    QtPorts ports(files.programDir);
    CReferenceApp app(ports.Get(), files);
    ports.Attach(app);
    args.assign(argv + 1, argv + argc);  // without the arguments Qt took for itself
    int code = app.InitInstance(args) ? QApplication::exec() : app.StartupExitCode();
    if (!app.StartupProblem().empty())
        std::fprintf(stderr, "morvix %s\n", app.StartupProblem().c_str());
    ports.Detach();
    return code;
}
