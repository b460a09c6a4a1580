#include "platform/headless/HeadlessPorts.h"

#include <cstdlib>

#include "platform/headless/IniSettings.h"
#include "platform/headless/MemorySettings.h"

HeadlessPorts::HeadlessPorts(std::ostream& out, std::unique_ptr<ISettings> store)
    : settings(store ? std::move(store) : std::make_unique<MemorySettings>()),
      windows(std::make_unique<HeadlessWindowSystem>(clipboard)),
      prompts(out),
      printer(out)
{
    ports_.settings = settings.get();
    ports_.windows = windows.get();
    ports_.prompts = &prompts;
    ports_.fonts = &fonts;
    ports_.clipboard = &clipboard;
    ports_.launcher = &launcher;
    ports_.clock = &clock;
    ports_.sender = &clock;
    ports_.midiOut = &midiOut;
    ports_.midiIn = &midiIn;
    ports_.printer = &printer;
    ports_.media = &media;
}

std::unique_ptr<ISettings> HeadlessPorts::SettingsFromEnvironment(std::ostream& errors)
{
    const char* path = std::getenv("MORVIX_PROFILE");
    if (path && *path)
        return std::make_unique<IniSettings>(path, errors);
    return std::make_unique<MemorySettings>();
}

void HeadlessPorts::ResetWindows()
{
    windows = std::make_unique<HeadlessWindowSystem>(clipboard);
    ports_.windows = windows.get();
}
