#include "instruments/NoteSources.h"

#include "harmony/ModelState.h"

namespace {

bool ReachesUpperOctave(const NoteRow& labels, const NoteSpan& span)
{
    for (std::size_t i = 0; i < 12; ++i)
        if (!labels[i].Empty() && span[i].Empty())
            return true;
    return false;
}

} // namespace

int FloorMod(long long a, int m)
{
    long long r = a % m;
    return static_cast<int>(r < 0 ? r + m : r);
}

NoteSources GatherNoteSources(CModelState& model, char notation, char chordTones, char chordset,
                              const NoteMarks& marks)
{
    NoteSources sources;
    model.LabelNotes(notation, chordTones, sources.labels);
    sources.span = model.span;
    sources.tonic = model.tonic;
    sources.chordset = chordset;
    sources.twoOctave = chordset != 'c' && ReachesUpperOctave(sources.labels, sources.span);
    sources.live = model.liveFlag != 0;
    sources.marks = &marks;
    return sources;
}

std::string_view NoteSources::ModelLabel(long long octave, long long pitch) const
{
    if (!twoOctave)
        return labels[static_cast<std::size_t>(FloorMod(pitch - tonic, 12))].Text();
    long long upper = chordset == 's' ? 1 : 0;
    long long offset = 12 * (FloorMod(octave, 2) + upper) + pitch - tonic;
    return span[static_cast<std::size_t>(FloorMod(offset, 24))].Text();
}

std::string_view NoteSources::LiveMark(long long octave, long long pitch) const
{
    if (!marks)
        return {};
    long long note = 12 * octave + pitch;
    if (note < 0 || note > 127)
        return {};
    std::string_view mark = (*marks)[static_cast<std::size_t>(note)].Text();
    return mark.substr(0, mark.find(' '));
}
