#include "platform/midiout/SequencerPorts.h"

#include <algorithm>
#include <charconv>

namespace {

std::string Numbers(const SequencerPort& port)
{
    return std::to_string(port.client) + ":" + std::to_string(port.port);
}

bool ParseNumber(const std::string& text, int& value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool SharesItsName(const SequencerPort& port, const std::vector<SequencerPort>& ports)
{
    return std::any_of(ports.begin(), ports.end(), [&](const SequencerPort& other) {
        return other.client != port.client && other.clientName == port.clientName;
    });
}

}  // namespace

std::vector<MidiOutputEntry> SequencerOutputs(const std::vector<SequencerPort>& ports)
{
    std::vector<SequencerPort> outputs;
    std::copy_if(ports.begin(), ports.end(), std::back_inserter(outputs),
                 [](const SequencerPort& port) { return port.takesNotes && !port.ownProcess; });
    std::sort(outputs.begin(), outputs.end(), [](const SequencerPort& a, const SequencerPort& b) {
        return a.client != b.client ? a.client < b.client : a.port < b.port;
    });
    std::vector<MidiOutputEntry> entries;
    for (const SequencerPort& port : outputs) {
        std::string client = SharesItsName(port, ports) ? std::to_string(port.client) : port.clientName;
        entries.push_back({"alsa:" + client + ":" + std::to_string(port.port),
                           port.clientName + ": " + port.portName + " (" + Numbers(port) + ")", false});
    }
    return entries;
}

// The port number follows the last colon: a client's name may hold colons.
std::optional<std::string> FindSequencerPort(const std::string& address, const std::vector<SequencerPort>& ports)
{
    const std::size_t colon = address.rfind(':');
    int portNumber = 0;
    if (colon == std::string::npos || !ParseNumber(address.substr(colon + 1), portNumber))
        return std::nullopt;
    const std::string client = address.substr(0, colon);
    int clientNumber = -1;
    const bool byNumber = ParseNumber(client, clientNumber);
    for (const SequencerPort& port : ports)
        if (port.port == portNumber && (byNumber ? port.client == clientNumber : port.clientName == client))
            return Numbers(port);
    return std::nullopt;
}
