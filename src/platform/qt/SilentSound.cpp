#include "platform/qt/SilentSound.h"

#include <filesystem>

bool SilentMediaPlayer::Open(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::unique_ptr<IMediaPlayer> SilentMediaPlayerFactory::Create()
{
    return std::make_unique<SilentMediaPlayer>();
}
