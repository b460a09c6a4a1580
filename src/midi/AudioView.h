#pragma once
// The view of an audio document: an empty read-only text under the player,
// and the Player popup's commands.
#include "text/GeneralView.h"

class CAudioDoc;

class CAudioView : public CGeneralView {
public:
    CAudioView();
    void OnInitialUpdate() override;
    std::string WhatsThis() const override;
    // The player belongs to the one window.
    bool OffersNewWindow() const override { return false; }

private:
    CAudioDoc* Audio() const;
    void OnPlayFile();
};
