#pragma once
#include "framework/Frame.h"

// The frame of a text document: its settings are saved when it closes.
class CGeneralFrame : public CFrame {
public:
    void OnClose() override;
};
