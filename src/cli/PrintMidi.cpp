#include <cstdio>
#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "platform/headless/RecordingMidiOut.h"

void PrintMidi(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print midi");
    auto* recording = dynamic_cast<RecordingMidiOut*>(app.ports.midiOut);
    if (!recording)
        throw ScriptError("print midi needs the in-memory MIDI output (MORVIX_MIDI_OUT unset)");
    for (const RecordedMidiMessage& message : recording->Messages()) {
        char line[48];
        std::snprintf(line, sizeof line, "%lld %08X\n", static_cast<long long>(message.timeMs), message.message);
        out << line;
    }
}
