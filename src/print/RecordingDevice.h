#pragma once
// A print device that prints nothing and remembers every document, so that
// tests can check what a print job did: which documents it opened, with
// which title, how many pages each got, what was drawn on each page, and
// whether every document was closed. It can be told to fail a step, so that
// tests can check how a job reports a printer or file error.
//
// All pages share one recording canvas, as all pages of a real device share
// one canvas: a caller may keep the canvas reference across newPage(), and
// the drawing state (font, pen, ...) carries over. The device remembers
// where in the canvas's op list each page begins.
#include "print/Canvas.h"
#include "print/RecordingCanvas.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

class RecordingDevice : public PrintDevice {
public:
    struct Document {
        std::string title;                   // the title when it was opened
        std::vector<std::size_t> pageStarts; // index of each page's first op in recording().ops()
        bool ended = false;                  // endDocument() was called for it
    };

    explicit RecordingDevice(DeviceCaps caps = {});

    void setTitle(const std::string& utf8) override { title_ = utf8; }
    DeviceResult beginDocument() override;
    DeviceResult newPage() override;
    // Closes the document also when it fails, as a real device does.
    DeviceResult endDocument() override;
    bool isOpen() const override { return open_; }
    // Throws std::logic_error without an open document, as the real devices do.
    Canvas& canvas() override;
    DeviceCaps deviceCaps() const override { return canvas_.deviceCaps(); }

    // From now on every call of that step fails with the reason (German, as
    // a real device gives it). A failing beginDocument() opens nothing.
    void failOnBegin(std::string reason) { failBegin_ = std::move(reason); }
    void failOnNewPage(std::string reason) { failNewPage_ = std::move(reason); }
    void failOnEnd(std::string reason) { failEnd_ = std::move(reason); }

    // The title last set.
    const std::string& title() const { return title_; }
    // The documents opened, in order.
    const std::vector<Document>& documents() const { return documents_; }
    // Number of calls of each step, failed ones included.
    int beginCalls() const { return beginCalls_; }
    int newPageCalls() const { return newPageCalls_; }
    int endCalls() const { return endCalls_; }

    // Pages of all documents, counted in order from 0.
    std::size_t pageCount() const;
    // The ops of one page (empty for a page that does not exist).
    std::vector<CanvasOp> pageOps(std::size_t page) const;
    // Everything drawn on all pages, in call order.
    const RecordingCanvas& recording() const { return canvas_; }

private:
    RecordingCanvas canvas_;
    std::string title_;
    std::vector<Document> documents_;
    bool open_ = false;
    int beginCalls_ = 0;
    int newPageCalls_ = 0;
    int endCalls_ = 0;
    std::optional<std::string> failBegin_, failNewPage_, failEnd_;
};

} // namespace ruvek
