#pragma once
// Window > New Window: another window on the document of the active one,
// showing the same document and updated with it.
class CFrame;

// Whether the frame's view offers a second window on its document.
bool OffersNewWindow(const CFrame* frame);
// Opens, shows and activates the new window beside `frame`, with its menu;
// null when the view offers none.
CFrame* OpenNewWindow(CFrame& frame);
