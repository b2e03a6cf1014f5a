#pragma once
// A device that gathers every document of one print command into a single
// document of another device: a document opened after the first becomes a
// new page of it. A command printing into a PDF file thus writes one file,
// and the file is only written (finish()) when the whole command succeeded.
//
// The real device is asked for when the first document opens, so a command
// that prints nothing (every question answered No) never asks for a file.
#include "print/Canvas.h"

#include <functional>
#include <string>

namespace ruvek {

class SingleDocumentDevice : public PrintDevice {
public:
    // Gives the device for the whole command, told the first document's
    // title; nullptr when the user cancelled (the command then stops).
    using Opener = std::function<PrintDevice*(const std::string& firstTitle)>;

    SingleDocumentDevice(Opener opener, DeviceCaps caps);

    void setTitle(const std::string& utf8) override;
    // The first opens the real document; later ones start a new page of it.
    // A cancelled choice of device fails with an empty reason.
    DeviceResult beginDocument() override;
    DeviceResult newPage() override;
    // Ends only the gathered document; the real one stays open for the next.
    DeviceResult endDocument() override;
    bool isOpen() const override { return open_; }
    Canvas& canvas() override;
    DeviceCaps deviceCaps() const override;

    // Closes the real document (the file is written now). Success when no
    // document was ever opened.
    DeviceResult finish();
    // The documents gathered so far.
    int documents() const { return documents_; }

private:
    Opener opener_;
    DeviceCaps caps_;
    PrintDevice* inner_ = nullptr;
    std::string title_;
    bool open_ = false;
    int documents_ = 0;
};

} // namespace ruvek
