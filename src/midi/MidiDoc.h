#pragma once
// A Standard MIDI File opened for examining: its tracks, the merged play
// list and the listing its view draws. Loading is the only direction.
#include <string>

#include "midi/MidiFile.h"
#include "midi/MidiListing.h"
#include "text/GeneralDoc.h"

class MidiPlayer;

class CMidiDoc : public CGeneralDoc {
public:
    // The player's name tables describe the file's records.
    explicit CMidiDoc(const MidiPlayer& names) : names_(names) { kind = 6; }

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

    const MidiFile& File() const { return file_; }
    // The listing as the view draws it, one entry per line, read from the file's records.
    const MidiListing& Listing() const { return listing_; }

private:
    void ShowNotices();

    const MidiPlayer& names_;
    MidiFile file_;
    MidiListing listing_;
};
