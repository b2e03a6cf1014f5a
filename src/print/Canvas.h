#pragma once
// The drawing surface of one printed page, in the terms the layouts use.
//
// After setMetricMapping() one logical unit is 0.1 mm and the y axis points
// up, with the origin at the top-left corner of the printable area: a point
// on the page has a negative y. Texts are UTF-8 (record texts are converted
// from Windows-1252 before they are drawn). Implementations: the QPainter
// canvas for printer, PDF and preview, and the recording canvas for tests.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace ruvek {

// Horizontal reference of text output; vertically a text is always anchored
// at the bottom of its character cell.
enum class TextAlign { Left, Center, Right };

enum class BrushStyle { Clear, White, LightGrey };

struct FontSpec {
    std::string face = "Arial"; // face name: "Arial", "Times New Roman", "Courier New"
    int cellHeight = 45;         // height of the character cell in 0.1 mm (ascent + descent)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int escapement = 0;          // counter-clockwise turn in tenths of a degree
    bool operator==(const FontSpec&) const = default;
};

// What the layouts may ask of the output device.
struct DeviceCaps {
    int dpiX = 600;            // device pixels per inch
    int dpiY = 600;
    int physicalOffsetX = 0;   // unprintable margin left, in device pixels
    int physicalOffsetY = 0;   // unprintable margin top, in device pixels
    int physicalWidth = 4961;  // paper width in device pixels
    int physicalHeight = 7016; // paper height in device pixels
    int colors = 2;            // number of colours the device shows (2 = black and white)
    bool operator==(const DeviceCaps&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // 0.1 mm per logical unit, y up (every print job sets it on a new page).
    virtual void setMetricMapping() = 0;

    virtual void setTextAlign(TextAlign align) = 0;
    virtual void setFont(const FontSpec& font) = 0;
    virtual FontSpec font() const = 0;
    // Extra space added after every character, in logical units (may be negative).
    virtual void setCharacterExtra(int extra) = 0;
    virtual void textOut(int x, int y, std::string_view utf8) = 0;
    // Width of the text in logical units with the current font and spacing.
    virtual int textWidth(std::string_view utf8) = 0;

    // Pen width in logical units; 0 = the thinnest line the device can draw.
    virtual void setPenWidth(int width) = 0;
    virtual void setBrush(BrushStyle brush) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Outline with the pen, filled with the brush.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Loads a picture file and stretches it into the rectangle; false when the
    // file cannot be read (nothing is drawn then).
    virtual bool stretchPicture(const std::filesystem::path& file, int x1, int y1, int x2, int y2) = 0;

    virtual DeviceCaps deviceCaps() const = 0;
};

// The outcome of a document step of a print device. A failure carries the
// reason as a German sentence that can be shown to the user as it is. The
// type is [[nodiscard]]: a step whose failure goes unnoticed would let a
// print job report success for a file that was never written.
struct [[nodiscard]] DeviceResult {
    bool ok = true;
    std::string error; // German, empty on success

    static DeviceResult success() { return {}; }
    static DeviceResult failure(std::string reason) { return {false, std::move(reason)}; }
    // A page or close request without an open document: a fault of the caller.
    static DeviceResult noDocument() { return failure("Es ist kein Druckdokument geöffnet."); }
    explicit operator bool() const { return ok; }
};

// A document on the printer or in a PDF file: pages are drawn one after the
// other on the canvas.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    virtual void setTitle(const std::string& utf8) = 0;
    // Opens the document and its first page (success when it is open already).
    virtual DeviceResult beginDocument() = 0;
    // Ends the current page and starts the next one of the open document.
    virtual DeviceResult newPage() = 0;
    // Closes the document; for a file this is when it is written. The device
    // is closed afterwards whatever the result.
    virtual DeviceResult endDocument() = 0;
    virtual bool isOpen() const = 0;
    // The canvas of the current page (valid while the document is open).
    virtual Canvas& canvas() = 0;
    virtual DeviceCaps deviceCaps() const = 0;
};

} // namespace ruvek
