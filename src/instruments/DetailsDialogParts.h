#pragma once
// What the instrument details dialogs share: the name and font rows, the
// two scale percentages, and number fields that must lie within a range.
#include <functional>
#include <initializer_list>
#include <utility>
#include <string>
#include <vector>

#include "framework/Dialog.h"

class CInstrumDoc;
class IPrompts;

inline constexpr int kResetDetails = 1014;

struct NumberRange {
    int id;
    int minimum;
    int maximum;
};

// Name (1019), current font (1017, 1026, 1025) and the vertical and
// horizontal scale percentages (1000, 1001).
void AddNameAndFontRows(DialogData& dialog, const CInstrumDoc& doc);
DialogControl& AddNumber(DialogData& dialog, int id, const std::string& label, int value);
DialogControl& AddRadio(DialogData& dialog, int id, const std::string& label, int group, bool checked);
// What is wrong with a dialog's entries beyond its number ranges, as the
// message that says so; empty when nothing is.
using DialogCheck = std::function<std::string(const DialogData&)>;
// Runs the dialog until every listed number lies in its range and check
// finds nothing wrong, or the user leaves it another way: a wrong entry is
// refused with its message and the dialog shown again, as the user left it.
int RunWithRanges(IPrompts& prompts, DialogData& dialog, const std::vector<NumberRange>& ranges,
                  const DialogCheck& check = {});
// A details dialog from start to end: Reset gives the catalogue's defaults
// again, OK hands the dialog to take and redraws with the marks updated,
// Cancel changes nothing.
void RunDetails(CInstrumDoc& doc, DialogData& dialog, const std::vector<NumberRange>& ranges,
                const std::function<void(const DialogData&)>& take, const DialogCheck& check = {});
// The text typed into an edit field, without blanks around it.
std::string TextOf(const DialogData& dialog, int id);
// The number typed into an edit field (0 when it holds none).
int NumberOf(const DialogData& dialog, int id);
// A radio button's or check box's state, and a drop-down's selection.
bool IsChecked(const DialogData& dialog, int id);
int SelectionOf(const DialogData& dialog, int id);
// The code of the first checked button of a choice; kept when none is.
char ChosenCode(const DialogData& dialog, std::initializer_list<std::pair<int, char>> buttons, char kept);
// The scale percentages back into the document's font ratios.
void TakeScaleRatios(const DialogData& dialog, CInstrumDoc& doc);
// The ranges of the two scale percentages.
std::vector<NumberRange> ScaleRanges();
