// Any text given to a text window's or a model window's state-string parser
// (the lines of LAYOUT.USE) is read without crashing, on a whole application
// running on the in-memory ports.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "app/ReferenceApp.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelRoster.h"
#include "platform/headless/HeadlessPorts.h"
#include "text/GeneralDoc.h"

namespace {

struct Running {
    std::ostringstream out;
    std::unique_ptr<HeadlessPorts> ports = std::make_unique<HeadlessPorts>(out);
    std::unique_ptr<CReferenceApp> app;
    CGeneralDoc* text = nullptr;

    Running()
    {
        std::filesystem::path home = std::filesystem::temp_directory_path() / "morvix-fuzz-document-state";
        std::filesystem::create_directories(home);
        app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
        app->InitInstance({});
        app->RouteCommand(57600);  // File > New
        text = dynamic_cast<CGeneralDoc*>(app->ActiveFrame()->Document());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Running running;
    std::string text(reinterpret_cast<const char*>(data), size);
    if (running.text)
        running.text->ParseStateString(text);
    if (CModelDoc* model = running.app->Models().Primary())
        model->ParseStateString(text);
    running.out.str({});
    return 0;
}
