#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "midi/MidiCommands.h"
#include "midi/PlaybackFollower.h"
#include "midi/PlaybackSchedule.h"
#include "midi/QueueDialog.h"
#include "midi/RecorderKeys.h"

TEST(RateTableTest, TwelveRatesSlowestFirstEachFoundByItsId)
{
    const std::vector<std::pair<int, double>> expected{
        {224, 4.0}, {223, 3.0}, {214, 2.0}, {215, 1.5}, {216, 4.0 / 3}, {217, 1.1428571428571428},
        {218, 1.0}, {219, 8.0 / 9}, {220, 5.0 / 6}, {221, 0.8}, {222, 0.75}, {225, 2.0 / 3}};
    ASSERT_EQ(kRateCommands.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(kRateCommands[i].commandId, expected[i].first);
        EXPECT_EQ(FindRateCommand(expected[i].first)->rate, expected[i].second);
    }
    EXPECT_EQ(FindRateCommand(213), nullptr);
    EXPECT_EQ(FindRateCommand(226), nullptr);
}

TEST(QueueDialogTest, SliderAtHalfOf1001RecordsQueues500)
{
    EXPECT_EQ(QueuedAtSlider(50, 1001), 500u);
    EXPECT_EQ(QueuedAtSlider(100, 1001), 1001u);
    EXPECT_EQ(QueuedAtSlider(0, 1001), 0u);

    QueueChoice shown{1001, 0};
    DialogData dialog = MakeQueueDialog(shown);
    EXPECT_EQ(dialog.caption, "Queue");
    dialog.Find(IDC_QUEUE_SLIDER)->value = 50;
    QueueChoice chosen = ReadQueueDialog(dialog, shown);
    EXPECT_EQ(chosen.queued, 500u);
    EXPECT_EQ(QueuePositionFor(chosen), 500u);
}

TEST(QueueDialogTest, ZeroQueuesNothingAndAPositionPastTheEndTakesTheLastRecord)
{
    EXPECT_FALSE(QueuePositionFor({1001, 0}));
    EXPECT_EQ(QueuePositionFor({10, 1001}), 9u);
    EXPECT_FALSE(QueuePositionFor({0, 5}));
    DialogData untouched = MakeQueueDialog({1001, 300});
    EXPECT_EQ(ReadQueueDialog(untouched, {1001, 300}).queued, 300u);
}

TEST(QueueDialogTest, TheSliderStartsAtTheQueuedRecordAndQueuedFollowsItAsItMoves)
{
    QueueChoice shown{1001, 305};
    DialogData dialog = MakeQueueDialog(shown);
    DialogControl* slider = dialog.Find(IDC_QUEUE_SLIDER);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->value, 30);
    EXPECT_EQ(dialog.Find(IDC_QUEUE_TOTAL)->label, "Total 1001 events");
    EXPECT_EQ(dialog.Find(IDC_QUEUE_QUEUED)->label, "Queued 305");
    EXPECT_EQ(ReadQueueDialog(dialog, shown).queued, 305u) << "an untouched slider keeps the record shown";
    ASSERT_TRUE(dialog.onChange);

    slider->value = 50;
    dialog.onChange(dialog, IDC_QUEUE_SLIDER);
    EXPECT_EQ(dialog.Find(IDC_QUEUE_QUEUED)->label, "Queued 500");
    slider->value = 30;  // back where it started: the record shown, not 30% of 1001
    dialog.onChange(dialog, IDC_QUEUE_SLIDER);
    EXPECT_EQ(dialog.Find(IDC_QUEUE_QUEUED)->label, "Queued 305");
    slider->value = 0;
    dialog.onChange(dialog, IDC_QUEUE_SLIDER);
    EXPECT_EQ(dialog.Find(IDC_QUEUE_QUEUED)->label, "Queued 0");
    EXPECT_FALSE(QueuePositionFor(ReadQueueDialog(dialog, shown)));

    EXPECT_EQ(SliderAtQueued(0, 0), 0);
    EXPECT_EQ(SliderAtQueued(5, 10), 50);
    EXPECT_EQ(SliderAtQueued(2000, 1001), 100);
}

TEST(PlaybackScheduleTest, DueTimesAreExactSumsFromTheSegmentStartStretchedByTheRate)
{
    // Division 3 at a tempo of 1000 µs: a tick is a third of a millisecond.
    PlaybackSchedule schedule(MidiTimeBase::FromDivision(3), 1000);
    const MidiEvent note;
    schedule.Restart(100, 1.0);
    EXPECT_DOUBLE_EQ(schedule.Pass(1, note), 100 + 1.0 / 3);
    EXPECT_DOUBLE_EQ(schedule.Pass(2, note), 101);
    schedule.Restart(schedule.Due(), 2.0);
    EXPECT_DOUBLE_EQ(schedule.Pass(3, note), 103);
    PlaybackSchedule copy = schedule;
    EXPECT_DOUBLE_EQ(copy.Pass(3, note), 105) << "a copy counts on from where the schedule stood";
    EXPECT_DOUBLE_EQ(schedule.Due(), 103);
}

TEST(RecorderKeysTest, TheTableMapsLettersInEitherCaseDigitsAndPunctuation)
{
    EXPECT_EQ(RecorderKeyFor('Z'), 0);
    EXPECT_EQ(RecorderKeyFor('z'), 0);
    EXPECT_EQ(RecorderKeyFor('X'), 2);
    EXPECT_EQ(RecorderKeyFor(188), 12);  // comma
    EXPECT_EQ(RecorderKeyFor(9), 17);    // Tab
    EXPECT_EQ(RecorderKeyFor('1'), 18);
    EXPECT_EQ(RecorderKeyFor('W'), 21);
    EXPECT_EQ(RecorderKeyFor(219), 36);  // left bracket
    EXPECT_EQ(RecorderKeyFor(8), 39);    // Backspace
    EXPECT_EQ(RecorderKeyFor(220), 40);  // backslash
    EXPECT_FALSE(RecorderKeyFor('A'));
    EXPECT_FALSE(RecorderKeyFor('F'));
    EXPECT_FALSE(RecorderKeyFor('4'));
}

namespace {

class FakeFollower : public IPlaybackFollower {
public:
    explicit FakeFollower(int channel, bool sheet = false) : channel_(channel), sheet_(sheet) {}
    int FollowedChannel() const override { return channel_; }
    void UpdateNoteMarks() override { ++updates; }
    bool IsSheetMusic() const override { return sheet_; }
    bool TurnPageIfPast(const MidiEvent& event) override { return event.time > pageEnd; }
    void HighlightPosition(std::uint64_t tick) override { highlights.push_back(tick); }

    int updates = 0;
    std::uint64_t pageEnd = 1000;
    std::vector<std::uint64_t> highlights;

private:
    int channel_;
    bool sheet_;
};

MidiEvent Note(int kind, int channel, std::uint64_t time = 0)
{
    MidiEvent event;
    event.kind = static_cast<std::uint8_t>(kind);
    event.channel = static_cast<std::uint8_t>(channel);
    event.data = MidiBytes{60, 100};
    event.time = time;
    return event;
}

}  // namespace

TEST(PlaybackFollowerTest, MarksFollowEveryChannelForMinusOneNoneFor0AndTheirOwnForC)
{
    FakeFollower all(-1), none(0), third(3);
    for (int channel = 0; channel < 16; ++channel)
        for (int kind : {MidiKind::NoteOn, MidiKind::NoteOff})
            for (FakeFollower* follower : {&all, &none, &third}) {
                MidiEvent event = Note(kind, channel);
                FollowRecord(*follower, {event, 1, false});
            }
    EXPECT_EQ(all.updates, 32);
    EXPECT_EQ(none.updates, 0);
    EXPECT_EQ(third.updates, 2) << "channel 3 is MIDI channel 2";

    MidiEvent controller = Note(MidiKind::Controller, 0);
    FollowRecord(all, {controller, 1, false});
    EXPECT_EQ(all.updates, 32) << "only note ons and offs change marks";
}

TEST(PlaybackFollowerTest, SheetMusicTurnsPagesAndMovesItsHighlightOnAnyChannel)
{
    FakeFollower sheet(5, true);
    MidiEvent early = Note(MidiKind::NoteOn, 0, 500);
    FollowRecord(sheet, {early, 1, false});
    EXPECT_EQ(sheet.updates, 0);
    EXPECT_TRUE(sheet.highlights.empty());
    FollowRecord(sheet, {early, 1, true});
    EXPECT_EQ(sheet.highlights, (std::vector<std::uint64_t>{500}));
    MidiEvent late = Note(MidiKind::Controller, 9, 1500);
    FollowRecord(sheet, {late, 1, false});
    EXPECT_EQ(sheet.updates, 1);
    EXPECT_EQ(sheet.highlights, (std::vector<std::uint64_t>{500, 1500}));
}
