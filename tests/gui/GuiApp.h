#pragma once
// The whole application on the Qt ports, over a home folder holding copies
// of the catalogues and the program's own images and icons from res/: what
// a GUI test drives.
#include <QTemporaryDir>

#include <memory>

#include "app/ReferenceApp.h"
#include "platform/qt/QtPorts.h"
#include "ResourceHome.h"

class GuiApp {
public:
    GuiApp() { CopyResources(home.path()); }
    ~GuiApp() { Stop(); }

    // Files a test needs in the home folder are written before the start.
    bool Start()
    {
        // Images and icons are the program's: the shipped resources.
        ports = std::make_unique<QtPorts>(MORVIX_SOURCE_DIR "/res");
        app = std::make_unique<CReferenceApp>(ports->Get(), home.path().toStdString());
        ports->Attach(*app);
        return app->InitInstance({});
    }

    // The windows let go of the application before it goes.
    void Stop()
    {
        if (ports)
            ports->Detach();
        app.reset();
    }

    QTemporaryDir home;
    std::unique_ptr<QtPorts> ports;
    std::unique_ptr<CReferenceApp> app;
};
