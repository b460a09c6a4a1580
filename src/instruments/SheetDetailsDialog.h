#pragma once
// " Sheet Music Format Details": channel, highlight, view style, notes at
// every or at alternate octaves, and the font scale.
class CSheetDoc;

void RunSheetDetails(CSheetDoc& doc);
