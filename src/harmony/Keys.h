#pragma once
// The seventeen keys of the Key menu, in menu order.
#include <array>
#include <string_view>

struct KeyCommand {
    int commandId;
    std::string_view name;      // the key as spelled, looked up in the note table
    std::string_view prompt;    // status-bar prompt
    std::string_view menuText;  // item text with its mnemonic
};

inline constexpr int kFirstKeyCommand = 32771;
inline constexpr int kLastKeyCommand = 32787;

inline constexpr std::array<KeyCommand, 17> kKeyCommands{{
    {32771, "C", "do", "&C"},
    {32772, "C#", "do dièse", "C#"},
    {32773, "Db", "re bémol", "Db"},
    {32774, "D", "re", "&D"},
    {32775, "D#", "re dièse", "D#"},
    {32776, "Eb", "mi bémol", "Eb"},
    {32777, "E", "mi", "&E"},
    {32778, "F", "fa", "&F"},
    {32779, "F#", "fa dièse", "F#"},
    {32780, "Gb", "sol bémol", "Gb"},
    {32781, "G", "sol", "&G"},
    {32782, "G#", "sol dièse", "G#"},
    {32783, "Ab", "la bémol", "Ab"},
    {32784, "A", "la", "&A"},
    {32785, "A#", "la dièse", "A#"},
    {32786, "Bb", "si bémol", "Bb"},
    {32787, "B", "si", "&B"},
}};

// The key of a Key command id, or nullptr when the id is not one.
inline const KeyCommand* FindKeyCommand(int commandId)
{
    if (commandId < kFirstKeyCommand || commandId > kLastKeyCommand)
        return nullptr;
    return &kKeyCommands[static_cast<std::size_t>(commandId - kFirstKeyCommand)];
}
