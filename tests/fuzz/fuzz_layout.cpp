// Any bytes read as "LAYOUT.USE" give at most the table's capacity of
// entries, and what is written from them reads back to the same entries.
// A whole application on the in-memory ports then restores them: every
// window it reopens shows, every model has its report, and the layout its
// exit writes reads back within the table.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/MainFrame.h"
#include "app/ReferenceApp.h"
#include "app/StartupLayout.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "platform/headless/HeadlessPorts.h"

namespace fs = std::filesystem;

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// A program folder with the shipped catalogues, made once per run.
const fs::path& Home()
{
    static const fs::path home = [] {
        fs::path dir = fs::temp_directory_path() / ("morvix-fuzz-layout-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        for (const char* name : {"SCALES.USE", "CHORDS.USE", "INSTRUM.USE"})
            fs::copy_file(fs::path(MORVIX_SOURCE_DIR) / "res" / name, dir / name, fs::copy_options::overwrite_existing);
        return dir;
    }();
    return home;
}

void CheckTable(const std::string& bytes)
{
    std::istringstream in(bytes);
    CStartupLayout layout;
    layout.Read(in);
    Require(layout.Entries().size() <= static_cast<std::size_t>(CStartupLayout::kCapacity));
    for (const LayoutEntry& entry : layout.Entries())
        Require(entry.name.size() <= CStartupLayout::kLineLimit);
    // Writing keeps text files, MIDI listings, models and their instruments;
    // reading it back never finds more.
    std::ostringstream out;
    layout.Write(out);
    std::istringstream again(out.str());
    CStartupLayout reread;
    reread.Read(again);
    Require(reread.Entries().size() <= layout.Entries().size());
}

void CheckRestore(const std::string& bytes)
{
    std::ofstream(Home() / CStartupLayout::kFileName, std::ios::binary | std::ios::trunc) << bytes;
    std::ostringstream said;
    HeadlessPorts ports(said);
    {
        CReferenceApp app(ports.Get(), Home().string());
        Require(app.InitInstance({}));
        for (CFrame* frame : app.Frames())
            Require(frame->IsVisible());
        for (CDocument* document : app.AllDocuments())
            if (auto* model = dynamic_cast<CModelDoc*>(document))
                Require(!model->State().reportText.empty());
        app.MainFrame().OnClose();
        Require(ports.Windows().MainWindow().QuitRequested());
    }
    CStartupLayout written;
    Require(written.Load((Home() / CStartupLayout::kFileName).string()));
    Require(written.Entries().size() <= static_cast<std::size_t>(CStartupLayout::kCapacity));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckTable(bytes);
    CheckRestore(bytes);
    return 0;
}
