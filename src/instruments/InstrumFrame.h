#pragma once
#include "framework/Frame.h"

// The frame of an instrument window: closing it writes the instrument's
// profile once, so that the document's own close does not write it again.
class CInstrumFrame : public CFrame {
public:
    void OnClose() override;
};
