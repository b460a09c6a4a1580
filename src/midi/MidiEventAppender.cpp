#include "midi/MidiEventAppender.h"

#include <cstring>

MidiEvent& MidiEventAppender::Append(int kind, int channel, MidiBytes data,
                                     std::uint64_t delta, std::string_view description)
{
    return AppendDescribed(kind, channel, std::move(data), delta, description.size(),
                           [description](char* out) {
                               if (!description.empty())
                                   std::memcpy(out, description.data(), description.size());
                               return out + description.size();
                           });
}
