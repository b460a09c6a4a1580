#include "platform/headless/RecordingMediaPlayer.h"

#include <filesystem>

bool RecordingMediaPlayer::Open(const std::string& path)
{
    std::error_code code;
    bool exists = std::filesystem::is_regular_file(path, code);
    log_->push_back((exists ? "open " : "open failed ") + path);
    return exists;
}

std::unique_ptr<IMediaPlayer> RecordingMediaPlayerFactory::Create(IFrameWindow*)
{
    return std::make_unique<RecordingMediaPlayer>(log_);
}
