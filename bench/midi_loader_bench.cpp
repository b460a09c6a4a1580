// Load time of MIDI files: reading, parsing with every description, the
// measure track and the merged play list.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "GeneratedMidi.h"
#include "midi/MidiExamine.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"

namespace {

const MidiPlayer& Player()
{
    static const MidiPlayer player;
    return player;
}

std::vector<std::string> OpenmsxFiles()
{
    std::vector<std::string> files;
    const std::filesystem::path dir = "/usr/share/games/openttd/baseset/openmsx";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error))
        if (entry.path().extension() == ".mid")
            files.push_back(entry.path().string());
    return files;
}

void LoadFiles(benchmark::State& state, const std::vector<std::string>& files)
{
    if (files.empty()) {
        state.SkipWithError("no files");
        return;
    }
    std::size_t events = 0;
    for (auto _ : state) {
        for (const std::string& path : files) {
            const MidiExamination examination = ExamineMidiFile(path, Player());
            events += examination.file.playList.size();
            benchmark::DoNotOptimize(examination.file.records.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(events));
}

void LoadGenerated(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = GenerateMidi(static_cast<std::size_t>(state.range(0)));
    std::size_t events = 0;
    for (auto _ : state) {
        const MidiFile file = LoadMidiFile(bytes, Player());
        events += file.playList.size();
        benchmark::DoNotOptimize(file.records.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(events));
}
BENCHMARK(LoadGenerated)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

void RegisterFileBenchmarks()
{
    static const std::vector<std::string> openmsx = OpenmsxFiles();
    benchmark::RegisterBenchmark("LoadOpenmsxAll", [](benchmark::State& state) { LoadFiles(state, openmsx); })
        ->Unit(benchmark::kMillisecond);
    const char* named = std::getenv("MORVIX_BENCH_FILES");
    std::stringstream list(named ? named : "");
    std::string path;
    while (std::getline(list, path, ':')) {
        if (path.empty())
            continue;
        benchmark::RegisterBenchmark(("LoadFile/" + path).c_str(),
                                     [path](benchmark::State& state) { LoadFiles(state, {path}); })
            ->Unit(benchmark::kMillisecond);
    }
}

// "--write-generated=DIR" writes the generated files for the peers to read.
bool WriteGenerated(const std::string& dir)
{
    for (const std::size_t events : {100000, 200000}) {
        const std::vector<std::uint8_t> bytes = GenerateMidi(events);
        const auto path = std::filesystem::path(dir) / ("generated_" + std::to_string(events) + ".mid");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::cout << path.string() << "\n";
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string writeFlag = "--write-generated=";
    if (argc == 2 && std::string(argv[1]).rfind(writeFlag, 0) == 0)
        return WriteGenerated(std::string(argv[1]).substr(writeFlag.size())) ? 0 : 1;
    RegisterFileBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
