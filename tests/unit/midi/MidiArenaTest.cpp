#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SmfBuilder.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiArena.h"

namespace {

std::string Numbered(std::size_t i)
{
    // Lengths vary so that texts straddle block ends.
    return std::to_string(i) + std::string(i % 97, static_cast<char>('a' + i % 26));
}

TEST(MidiArena, TextsStayWhereTheyAreWhileMoreAreStored)
{
    MidiArena arena;
    std::vector<std::string_view> texts;
    for (std::size_t i = 0; i < 50000; ++i)
        texts.push_back(arena.Store(Numbered(i)));
    const std::string huge(3u << 20, 'x');
    const std::string_view hugeText = arena.Store(huge);
    texts.push_back(arena.Store("after"));
    for (std::size_t i = 0; i < 50000; ++i)
        ASSERT_EQ(texts[i], Numbered(i)) << i;
    EXPECT_EQ(hugeText, huge);
    EXPECT_EQ(texts.back(), "after");
    EXPECT_EQ(arena.Store(""), "");
}

TEST(MidiArena, ReserveThenKeepTakesOnlyWhatWasKept)
{
    MidiArena arena;
    char* first = arena.Reserve(100);
    first[0] = 'a';
    first[1] = 'b';
    const std::string_view ab = arena.Keep(2);
    char* second = arena.Reserve(10);
    EXPECT_EQ(second, first + 2);
    second[0] = 'c';
    EXPECT_EQ(arena.Keep(1), "c");
    EXPECT_EQ(ab, "ab");
}

TEST(MidiArena, AnExpectedSizeIsStoredInOneBlock)
{
    MidiArena arena(100000);
    const std::string text(100, 't');
    const std::string_view first = arena.Store(text);
    const char* end = first.data() + first.size();
    for (int i = 1; i < 1000; ++i) {
        const std::string_view next = arena.Store(text);
        ASSERT_EQ(next.data(), end) << i;
        end += next.size();
    }
    EXPECT_EQ(first, text);
}

TEST(MidiArena, AMovedArenaKeepsItsTextsAndTheOldOneStartsAfresh)
{
    MidiArena arena;
    const std::string_view kept = arena.Store("kept text");
    MidiArena moved(std::move(arena));
    const std::string_view fresh = arena.Store("fresh");  // NOLINT(bugprone-use-after-move)
    const std::string_view more = moved.Store("more");
    EXPECT_EQ(kept, "kept text");
    EXPECT_EQ(fresh, "fresh");
    EXPECT_EQ(more, "more");

    MidiArena assigned;
    assigned.Store("replaced");
    assigned = std::move(moved);
    EXPECT_EQ(kept, "kept text");
    EXPECT_EQ(more, "more");
}

MidiEventList ListWithTexts(std::size_t count)
{
    MidiEventList list;
    for (std::size_t i = 0; i < count; ++i)
        list.emplace_back().text = list.Texts().Store(Numbered(i));
    return list;
}

TEST(MidiEventList, ACopyKeepsItsTextsWhenTheOriginalIsGone)
{
    auto original = std::make_unique<MidiEventList>(ListWithTexts(3000));
    const MidiEventList copy(*original);
    MidiEventList assigned;
    assigned = *original;
    original.reset();
    ASSERT_EQ(copy.size(), 3000u);
    ASSERT_EQ(assigned.size(), 3000u);
    for (std::size_t i = 0; i < copy.size(); ++i) {
        ASSERT_EQ(copy[i].text, Numbered(i)) << i;
        ASSERT_EQ(assigned[i].text, Numbered(i)) << i;
    }
}

TEST(MidiEventList, MovedAndGrownListsKeepTheirTexts)
{
    MidiEventList list = ListWithTexts(100);
    MidiEventList moved = std::move(list);
    for (std::size_t i = 100; i < 5000; ++i)
        moved.emplace_back().text = moved.Texts().Store(Numbered(i));
    for (std::size_t i = 0; i < moved.size(); ++i)
        ASSERT_EQ(moved[i].text, Numbered(i)) << i;
}

TEST(MidiEventList, ListsSharingTextsKeepThemWhileAnyOfThemLives)
{
    auto first = std::make_unique<MidiEventList>();
    first->emplace_back().text = first->Texts().Store("first");
    MidiEventList second(std::make_shared<MidiArena>());
    auto third = std::make_unique<MidiEventList>(second);
    second.emplace_back().text = second.Texts().Store("second");
    third->emplace_back().text = third->Texts().Store("third");
    first.reset();
    EXPECT_EQ(&second.Texts(), &third->Texts());
    third.reset();
    EXPECT_EQ(second[0].text, "second");
}

TEST(MidiEventList, AMovedFileKeepsEveryText)
{
    static const MidiPlayer player;
    TrackBody body;
    for (int i = 0; i < 2000; ++i)
        body.Event(10, {0x90, static_cast<std::uint8_t>(40 + i % 40), 100});
    auto file = std::make_unique<MidiFile>(LoadMidiFile(Smf(1, 96, {std::move(body.End())}), player));
    const MidiFile moved = std::move(*file);
    file.reset();
    const MidiEventList& events = moved.tracks[0].events;
    ASSERT_EQ(events.size(), 2001u);
    EXPECT_EQ(events.capacity(), events.size()) << "sized once in the file's arena";
    EXPECT_EQ(events[0].text,
              "000010 00010 NoteOn : channel  1, number  40, name  E, octave  3, velocity 100");
    EXPECT_EQ(events[1999].text.substr(0, 13), "020000 00010 ");
    EXPECT_EQ(events[2000].text, "020010 00010 Meta End of Track");
    EXPECT_EQ(moved.measureTrack[0].text, "000000 00000 Meta Measure Track");
    EXPECT_EQ(moved.events[0].text, "000000 00000 Meta Merge Start");
    EXPECT_EQ(moved.events.back().text.substr(13), "Event Copy");
    EXPECT_EQ(moved.events[1].text, "000000 00000 Event Copy");  // the measure track head
    EXPECT_EQ(moved.events[2].text, "000010 00010 Event Copy");
}

}  // namespace
