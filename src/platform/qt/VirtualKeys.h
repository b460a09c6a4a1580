#pragma once
// Qt key codes as the Windows virtual-key codes the views expect.
#include <Qt>

// 0 when the key has no virtual-key code.
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
