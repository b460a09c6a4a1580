#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AppFixture.h"
#include "app/AppCommands.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "instruments/StringedDoc.h"
#include "morvix/Version.h"

using StartupTest = AppFixture;

// The largest text file the editor opens itself.
constexpr size_t kLargestEditedFile = 8 * 1024 * 1024;

TEST_F(StartupTest, StartsWithOneModelAndSerialsGrowPerDocument)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(Model(), nullptr);
    EXPECT_EQ(Model()->serial, 2000);
    EXPECT_EQ(Model()->kind, 1);
    EXPECT_EQ(Report().rfind("Tonic:   C\r\nScale:   major\r\n", 0), 0u) << Report();
    app->RouteCommand(57600);
    app->RouteCommand(ID_NEW_MODEL);
    ASSERT_EQ(app->Frames().size(), 3u);
    EXPECT_EQ(app->ActiveFrame()->Document()->serial, 2002);
    EXPECT_EQ(app->Frames()[1]->Document()->serial, 2001);
    EXPECT_EQ(app->Frames()[1]->Document()->kind, 0);
}

TEST_F(StartupTest, AboutShowsTheVersionUnderTheName)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_APP_ABOUT);
    const DialogData& about = ports->prompts.LastDialog();
    EXPECT_EQ(about.caption, "About Morvix Music Reference");
    ASSERT_GE(about.controls.size(), 2u);
    EXPECT_EQ(about.controls[0].label, "Morvix Music Reference");
    EXPECT_EQ(about.controls[1].label, std::string("Version ") + kMorvixVersion);
}

TEST_F(StartupTest, SwitchesThatEndStartupOpenNoWindow)
{
    ports->ResetWindows();
    app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
    EXPECT_FALSE(app->InitInstance({"--automation"}));
    EXPECT_TRUE(app->Frames().empty());
}

TEST_F(StartupTest, OpensTextUpTo8MiBAndOffersLargerFilesToTheEditor)
{
    ASSERT_TRUE(Start());
    auto fits = WriteFile("fits.txt", std::string(kLargestEditedFile, 'a'));
    auto large = WriteFile("large.txt", std::string(kLargestEditedFile + 1, 'a'));
    ASSERT_NE(app->OpenFileByType(fits.string()), nullptr);
    EXPECT_EQ(app->ActiveFrame()->Document()->GetTitle(), "fits.txt");
    TakeOutput();

    Answer(IDCANCEL);
    EXPECT_EQ(app->OpenFileByType(large.string()), nullptr);
    EXPECT_NE(TakeOutput().find("is too large for this editor."), std::string::npos);
    EXPECT_TRUE(ports->launcher.Opened().empty());

    Answer(IDOK);
    app->OpenFileByType(large.string());
    ASSERT_EQ(ports->launcher.Opened().size(), 1u);
    EXPECT_EQ(ports->launcher.Opened()[0], large.string());
}

TEST_F(StartupTest, MissingFilesOpenNothingAndAudioGoesByLowerCaseExtension)
{
    ASSERT_TRUE(Start());
    size_t frames = app->Frames().size();
    EXPECT_EQ(app->OpenFileByType((home / "absent.txt").string()), nullptr);
    EXPECT_EQ(app->Frames().size(), frames);
    auto wav = WriteFile("SOUND.WAV", "RIFF");
    app->OpenFileByType(wav.string());
    EXPECT_EQ(app->Template(kAudioTemplate)->Documents().size(), 1u);
    EXPECT_EQ(ports->media.Log(), (MediaLog{"open " + wav.string()}));
}

// Load opens the player without playing; the Player popup drives it.
TEST_F(StartupTest, AudioWindowsSendThePlayersRequestsInOrder)
{
    ASSERT_TRUE(Start());
    auto wav = WriteFile("tone.wav", "RIFF");
    Answer(IDOK, {{"file", wav.string()}});
    app->RouteCommand(182);  // Load...
    ASSERT_EQ(app->ActiveFrame()->Document()->kind, 7);
    EXPECT_EQ(app->ActiveFrame()->Document()->GetTitle(), wav.string());
    for (int id : {184, 183, 178, 179, 176, 180})  // Loop, Play, Pause, Resume, Rewind, Stop
        app->RouteCommand(id);
    EXPECT_EQ(ports->media.Log(), (MediaLog{"open " + wav.string(), "repeat on", "play", "pause", "resume",
                                            "seek start", "repeat off", "stop"}));

    Answer(IDOK, {{"file", wav.string()}});
    app->RouteCommand(175);  // Play... in the audio view: a player of its own, playing
    EXPECT_EQ(ports->media.Log().back(), "play");
    app->RouteCommand(57602);  // Close
    Answer(IDOK, {{"file", wav.string()}});
    app->RouteCommand(175);  // Play... from the model window: a new audio window that plays
    EXPECT_EQ(app->ActiveFrame()->Document()->kind, 7);
    EXPECT_EQ(ports->media.Log().back(), "play");
}

TEST_F(StartupTest, TutorialOpensUnderItsOwnTitle)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_TUTORIAL);
    ASSERT_NE(app->ActiveFrame(), nullptr);
    EXPECT_EQ(app->ActiveFrame()->Document()->GetTitle(), "Tutorial");
}

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST_F(StartupTest, RegisterWritesTheDesktopEntryAndIconsAndUnregisterRemovesThem)
{
    namespace fs = std::filesystem;
    fs::copy(fs::path(MORVIX_SOURCE_DIR) / "res/icons", home / "icons");
    fs::copy(fs::path(MORVIX_SOURCE_DIR) / "res/desktop", home / "desktop");
    fs::path hicolor = home / "data/icons/hicolor";
    fs::create_directories(hicolor / "16x16/apps");
    std::ofstream(hicolor / "16x16/apps/other.png") << "another program's";
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ports->ResetWindows();
    app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
    EXPECT_FALSE(app->InitInstance({"--register"}));
    EXPECT_EQ(app->StartupExitCode(), 0);
    std::string entry = ReadAll(home / "data/applications/morvix.desktop");
    EXPECT_NE(entry.find("\nIcon=morvix\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("/morvix %f\n"), std::string::npos) << entry;
    EXPECT_EQ(entry.find("\nExec=morvix "), std::string::npos) << entry;
    EXPECT_TRUE(fs::exists(home / "data/mime/packages/morvix.xml"));
    for (const char* size : {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        EXPECT_TRUE(fs::exists(hicolor / size / "apps/morvix.png")) << size;
    EXPECT_EQ(ReadAll(hicolor / "256x256/apps/morvix.png"), ReadAll(home / "icons/morvix-256.png"));
    EXPECT_EQ(ReadAll(hicolor / "scalable/apps/morvix.svg"), ReadAll(home / "icons/morvix.svg"));
    EXPECT_TRUE(app->Frames().empty());

    app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
    EXPECT_FALSE(app->InitInstance({"--unregister"}));
    EXPECT_FALSE(fs::exists(home / "data/applications/morvix.desktop"));
    EXPECT_FALSE(fs::exists(hicolor / "16x16/apps/morvix.png"));
    EXPECT_FALSE(fs::exists(hicolor / "scalable/apps/morvix.svg"));
    EXPECT_TRUE(fs::exists(hicolor / "16x16/apps/other.png"));
    ::unsetenv("XDG_DATA_HOME");
}

TEST_F(StartupTest, RegisterWithoutIconFilesStillWritesTheEntry)
{
    std::filesystem::copy(std::filesystem::path(MORVIX_SOURCE_DIR) / "res/desktop", home / "desktop");
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ports->ResetWindows();
    app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
    EXPECT_FALSE(app->InitInstance({"--register"}));
    EXPECT_EQ(app->StartupExitCode(), 0);
    EXPECT_TRUE(std::filesystem::exists(home / "data/applications/morvix.desktop"));
    EXPECT_FALSE(std::filesystem::exists(home / "data/icons/hicolor/16x16/apps/morvix.png"));

    std::filesystem::remove_all(home / "desktop");  // a broken installation says so
    app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
    EXPECT_FALSE(app->InitInstance({"--register"}));
    EXPECT_EQ(app->StartupExitCode(), 1);
    ::unsetenv("XDG_DATA_HOME");
}

TEST_F(StartupTest, ACatalogueLineCountingMoreStringsThanItListsIsNamedOnceAndDrawsTheListedOnes)
{
    std::string catalogue = ReadAll(home / "INSTRUM.USE");
    const std::string standard = "Guitar                 y 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24";
    std::size_t at = catalogue.find(standard);
    ASSERT_NE(at, std::string::npos);
    catalogue.replace(at, standard.size(), "Guitar                 y 6 E 3 A 3 G -12 24");
    WriteFile("INSTRUM.USE", catalogue);
    ASSERT_TRUE(Start());
    EXPECT_EQ(TakeOutput(), "message: The instrument catalogue " + (home / "INSTRUM.USE").string() +
                                " lists fewer strings than it counts:\\nGuitar counts 6 strings but lists 2: the "
                                "listed ones are used.\n");
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    ASSERT_TRUE(guitar);
    EXPECT_EQ(guitar->stringed.FormatState(), "_Stringed 2 E 3 A 3 G -12 24 22 s y r a r");
    EXPECT_EQ(TakeOutput(), "");
}
