#pragma once
// A sound file played by the desktop's media player; the document never
// reads the file itself.
#include <memory>
#include <string>
#include <vector>

#include "text/GeneralDoc.h"

class IMediaPlayer;
class IMediaPlayerFactory;

class CAudioDoc : public CGeneralDoc {
public:
    explicit CAudioDoc(IMediaPlayerFactory& players);
    ~CAudioDoc() override;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

    // The Player popup. Each does nothing while no player is open.
    void Play();
    void Pause();
    void Resume();
    void Stop();
    void Rewind();
    void Loop();
    // "Play..." in the view: the file plays in a top-level player of its own.
    void PlayInNewWindow(const std::string& path);

    bool HasPlayer() const { return player_ != nullptr; }

private:
    IMediaPlayerFactory& players_;
    std::unique_ptr<IMediaPlayer> player_;
    // Top-level players that an earlier "Play..." replaced: they play on.
    std::vector<std::unique_ptr<IMediaPlayer>> replaced_;
};
