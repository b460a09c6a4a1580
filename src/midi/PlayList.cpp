#include "midi/PlayList.h"

PlayList PlayList::InOrder(const MidiEventList& list)
{
    PlayList played;
    played.records_ = list.data();
    played.recordCount_ = list.size();
    played.inOrder_ = true;
    return played;
}

PlayList::PlayList(const MidiEventList& records, const MidiEventList& more, std::vector<std::uint32_t> order)
    : records_(records.data()), recordCount_(records.size()), more_(more.data()), order_(std::move(order))
{
}
