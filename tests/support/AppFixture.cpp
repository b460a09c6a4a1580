#include "AppFixture.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "app/MainFrame.h"
#include "harmony/ModelDoc.h"

namespace fs = std::filesystem;

void AppFixture::SetUp()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    home = fs::temp_directory_path() /
           ("morvix-test-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    fs::remove_all(home);
    fs::create_directories(home);
    for (const char* name : {"SCALES.USE", "CHORDS.USE", "INSTRUM.USE", "TUTORIAL.MVE"})
        fs::copy_file(fs::path(MORVIX_SOURCE_DIR) / "res" / name, home / name);
    ports = std::make_unique<HeadlessPorts>(out);
}

void AppFixture::TearDown()
{
    app.reset();
    ports.reset();
    fs::remove_all(home);
}

bool AppFixture::Start()
{
    app.reset();
    ports->ResetWindows();
    app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
    return app->InitInstance({});
}

void AppFixture::Restart()
{
    app->RouteCommand(57665);
    ASSERT_TRUE(Start());
}

void AppFixture::Answer(int reply, std::vector<std::pair<std::string, std::string>> fields)
{
    ports->prompts.Queue({reply, std::move(fields), "test"});
}

std::string AppFixture::TakeOutput()
{
    std::string text = out.str();
    out.str({});
    return text;
}

fs::path AppFixture::WriteFile(const std::string& name, const std::string& content)
{
    fs::path path = home / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

CModelDoc* AppFixture::Model() const
{
    return app ? app->Models().Primary() : nullptr;
}

std::string AppFixture::Report() const
{
    return Model() ? Model()->State().reportText : std::string();
}

void AppFixture::RunPlayback(const std::function<void(std::int64_t due)>& during)
{
    VirtualClock& clock = ports->clock;
    while (const std::optional<std::int64_t> due = clock.NextDueMs()) {
        if (*due > clock.NowMs() && during)
            during(*due);
        clock.Advance(std::max<std::int64_t>(*due - clock.NowMs(), 0));
    }
}
