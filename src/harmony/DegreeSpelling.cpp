#include "harmony/DegreeSpelling.h"

#include <optional>

#include "harmony/IntervalSpelling.h"
#include "text/ReadTokens.h"

namespace {

struct SpelledDegree {
    int number = 0;
    int semitones = 0;
};

std::optional<SpelledDegree> ReadDegree(std::string_view word)
{
    int shift = 0;
    std::size_t at = 0;
    for (; at < word.size() && (word[at] == '#' || word[at] == 'b'); ++at)
        shift += word[at] == '#' ? 1 : -1;
    if (at + 1 != word.size() || word[at] < '1' || word[at] > '7')
        return std::nullopt;
    int number = word[at] - '0';
    return SpelledDegree{number, kNaturalPitch[static_cast<std::size_t>(number - 1)] + shift};
}

} // namespace

std::vector<int> ScaleTones(const std::array<int, 13>& steps)
{
    std::array<bool, 12> filled{};
    filled[0] = true;
    long long offset = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        offset += steps[i];
        if (offset >= 0 && offset < 12)
            filled[static_cast<std::size_t>(offset)] = true;
        if (i + 1 >= steps.size() || steps[i + 1] <= 0)
            break;
    }
    std::vector<int> tones;
    for (int k = 0; k < 12; ++k)
        if (filled[static_cast<std::size_t>(k)])
            tones.push_back(k);
    return tones;
}

std::vector<int> ReadDegreeSpelling(std::string_view text, const std::array<int, 13>& steps)
{
    std::vector<int> tones = ScaleTones(steps);
    std::vector<int> numbers;
    std::size_t cursor = SkipBlanks(text, 0);
    while (cursor < text.size()) {
        std::optional<SpelledDegree> degree = ReadDegree(ReadToken(text, cursor));
        std::size_t tone = numbers.size();
        int lowest = numbers.empty() ? 1 : numbers.back();
        if (!degree || tone >= tones.size() || degree->semitones != tones[tone] || degree->number < lowest ||
            (tone == 0 && degree->number != 1))
            return {};
        numbers.push_back(degree->number);
    }
    if (numbers.size() != tones.size())
        return {};
    return numbers;
}
