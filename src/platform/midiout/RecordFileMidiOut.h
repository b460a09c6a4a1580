#pragma once
// An output that writes one line per message sent: the milliseconds since
// it was first opened and the 32-bit message in hex ("1500 00403C90").
// The file is started at the first open and written on across reopens. It
// is written in large pieces: the timing thread sends, and a write to disk
// held up by a busy machine must not hold up the next message.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "framework/Services.h"

class RecordFileMidiOut : public IMidiOut {
public:
    RecordFileMidiOut(std::string path, IClock& clock) : path_(std::move(path)), clock_(clock) {}

    bool Open() override;
    void Send(std::uint32_t shortMessage) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    std::string Tried() const override { return "record:" + path_ + ": the file could not be written"; }

private:
    std::string path_;
    IClock& clock_;
    std::vector<char> buffer_;
    std::ofstream file_;
    std::optional<std::int64_t> firstOpenMs_;
    bool open_ = false;
};
