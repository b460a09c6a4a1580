#include "cli/PrintTopics.h"

#include <algorithm>

const std::vector<PrintTopic>& PrintTopics()
{
    static const std::vector<PrintTopic> topics = {
        {"windows", "one line per document window, active first: kind, serial, title; then each request the audio windows sent to the media player", PrintWindows},
        {"clipboard", "the clipboard's text", PrintClipboard},
        {"report", "the active model's report", PrintReport},
        {"history", "the History box entries, the selected one marked with *", PrintHistory},
        {"listing", "the active MIDI window's listing", PrintListing},
        {"queue", "the active MIDI window's play list length and queued record, as the Queue dialog "
                  "shows them: Total N, Queued N", PrintQueue},
        {"menu", "the active window's menu bar, one item per line indented by depth: text, (command id), "
                 "checked, disabled", PrintMenu},
        {"layout", "LAYOUT.USE as the last exit wrote it", PrintLayout},
        {"lines", "the active instrument window's text lines, line drawing as box-drawing characters; in the "
                  "keyboard input window its keys (* held, - white, ^ black)", PrintLines},
        {"surface", "the active instrument window painted as its view paints it, one drawing call per line "
                    "(as draw --surface prints them)", PrintSurface},
        {"identify", "the active Identify window: the notes entered, then one line per result, the selected one "
                     "marked with *", PrintIdentify},
        {"midi", "every MIDI message sent so far: milliseconds and the message in hex", PrintMidi},
        {"tick", "the beat the status bar flashes while the ticks run with Show Tick checked: \"tick: 2 of 4\", "
                 "or \"tick: none\"", PrintTick},
        {"accessible", "what the active window tells a screen reader: role, name and summary, then its lines",
         PrintAccessible},
        {"sound", "the sound settings in use, as View > Sound Settings... shows them: output, soundfont, volume, "
                  "then the outputs offered, the one in use marked with *", PrintSound},
    };
    return topics;
}

const PrintTopic* FindPrintTopic(const std::string& name)
{
    const auto& topics = PrintTopics();
    auto it = std::find_if(topics.begin(), topics.end(), [&](const PrintTopic& topic) { return name == topic.name; });
    return it == topics.end() ? nullptr : &*it;
}

std::string PrintTopicNames()
{
    std::string names;
    for (const PrintTopic& topic : PrintTopics())
        names += (names.empty() ? "" : " ") + std::string(topic.name);
    return names;
}
