// PDF and printer devices: documents, pages, titles, where the page lands
// on paper, and how tall a 4.0 mm cell comes out in the PDF.
#include "InkBox.h"
#include "qtdraw/CellFont.h"
#include "qtdraw/DeviceCapsQt.h"
#include "qtdraw/PdfDevice.h"
#include "qtdraw/PrinterDevice.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace ruvek {
namespace {

using test::inkBox;

// Output of a poppler tool, or nothing when the tool is not installed.
std::optional<QString> runTool(const QString& tool, const QStringList& args)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Renders page `page` of a PDF into a grey image at dpi, optionally only
// the area crop (in pixels of that resolution); nothing without pdftoppm.
std::optional<QImage> pdfPage(const QString& pdf, int page, int dpi, const QString& dir, QRect crop = {})
{
    const QString stem = dir + "/page";
    QStringList args{"-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page),
                     "-singlefile", "-gray", "-png"};
    if (!crop.isNull())
        args << "-x" << QString::number(crop.x()) << "-y" << QString::number(crop.y()) << "-W"
             << QString::number(crop.width()) << "-H" << QString::number(crop.height());
    if (!runTool("pdftoppm", args << pdf << stem))
        return std::nullopt;
    QImage image(stem + ".png");
    EXPECT_FALSE(image.isNull()) << "pdftoppm gave no image";
    return image;
}

void drawLabel(Canvas& c, int x, int y, const char* text, const char* face = "Arial")
{
    FontSpec f;
    f.face = face;
    f.cellHeight = 40;
    c.setFont(f);
    c.textOut(x, y, text);
}

TEST(PdfDevice, WritesAnA4DocumentWithTitleAndPages)
{
    QTemporaryDir dir;
    const std::filesystem::path file = (dir.path() + "/Zeugnis.pdf").toStdString();
    PdfDevice pdf(file, 1200);
    EXPECT_EQ(pdf.deviceCaps().physicalOffsetX, 0);
    EXPECT_EQ(pdf.deviceCaps().physicalWidth, 9917); // A4 (595 pt) at 1200 dpi
    pdf.setTitle("Jahres-Zeugnis: Müller, Jürgen");
    ASSERT_TRUE(pdf.beginDocument());
    EXPECT_TRUE(pdf.isOpen());
    pdf.canvas().setMetricMapping();
    drawLabel(pdf.canvas(), 200, -300, "Seite eins");
    ASSERT_TRUE(pdf.newPage());
    pdf.canvas().setMetricMapping();
    pdf.canvas().setCharacterExtra(15);
    drawLabel(pdf.canvas(), 200, -300, "Gesperrt");
    const DeviceResult written = pdf.endDocument();
    EXPECT_FALSE(pdf.isOpen());
    ASSERT_TRUE(written) << written.error;
    QFile f(QString::fromStdString(file.string()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");

    const auto info = runTool("pdfinfo", {f.fileName()});
    if (!info)
        GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_TRUE(info->contains(QRegularExpression("Title:\\s+Jahres-Zeugnis: Müller, Jürgen"))) << info->toStdString();
    EXPECT_TRUE(info->contains(QRegularExpression("Pages:\\s+2\\b"))) << info->toStdString();
    EXPECT_TRUE(info->contains("(A4)")) << info->toStdString();
    const auto text = runTool("pdftotext", {f.fileName(), "-"});
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains("Seite eins"));
    EXPECT_TRUE(QString(*text).remove(' ').contains("Gesperrt")) << text->toStdString();
}

// A folder that is missing, or a file where the folder should be, is
// refused before anything is drawn.
TEST(PdfDevice, RefusesATargetWithoutFolder)
{
    QTemporaryDir dir;
    const std::filesystem::path notAFolder = (dir.path() + "/Liste.txt").toStdString();
    QFile(QString::fromStdString(notAFolder.string())).open(QIODevice::WriteOnly);
    for (const std::filesystem::path& target : {std::filesystem::path("/nonexistent-folder/x.pdf"),
                                                notAFolder / "x.pdf"}) {
        PdfDevice pdf(target);
        const DeviceResult opened = pdf.beginDocument();
        EXPECT_FALSE(opened) << target;
        EXPECT_FALSE(pdf.isOpen());
        EXPECT_NE(opened.error.find("Der Ordner für die PDF-Datei existiert nicht"), std::string::npos)
            << opened.error;
        EXPECT_FALSE(std::filesystem::exists(target));
    }
}

// The PDF is written only when the document is closed: a target that cannot
// be replaced (here a folder of that name) fails then, with a German reason
// naming the file, and leaves no file behind.
TEST(PdfDevice, ReportsAFileThatCannotBeWrittenWhenClosing)
{
    QTemporaryDir dir;
    const std::filesystem::path target = (dir.path() + "/Testblatt.pdf").toStdString();
    std::filesystem::create_directory(target);
    PdfDevice pdf(target, 300);
    ASSERT_TRUE(pdf.beginDocument());
    drawLabel(pdf.canvas(), 200, -300, "Seite eins");
    const DeviceResult written = pdf.endDocument();
    EXPECT_FALSE(written);
    EXPECT_FALSE(pdf.isOpen());
    EXPECT_EQ(written.error.rfind("Die PDF-Datei konnte nicht geschrieben werden: " + target.string(), 0), 0u)
        << written.error;
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList()); // no temporary file left
}

// The cell of a 40 (4.0 mm) font measured on the PDF rendered at 2400 dpi:
// the capital H's height divided by the face's cap height per cell.
TEST(PdfDevice, FourMillimetreCellComesOutFourMillimetresHigh)
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/cell.pdf";
    const char* faces[] = {"Arial", "Times New Roman", "Courier New"};
    PdfDevice pdf(file.toStdString(), 600);
    ASSERT_TRUE(pdf.beginDocument());
    for (int i = 0; i < 3; ++i)
        drawLabel(pdf.canvas(), 200 + 300 * i, -200, "H", faces[i]);
    ASSERT_TRUE(pdf.endDocument());

    const int dpi = 2400;
    const double pxPerMm = dpi / 25.4;
    // Only the strip from 10 to 25 mm below the top edge.
    const int top = int(10 * pxPerMm);
    const auto image = pdfPage(file, 1, dpi, dir.path(), QRect(0, top, int(120 * pxPerMm), int(15 * pxPerMm)));
    if (!image)
        GTEST_SKIP() << "pdftoppm not installed";
    for (int i = 0; i < 3; ++i) {
        const QRect area(int((15 + 30 * i) * pxPerMm), 0, int(25 * pxPerMm), image->height());
        QRect h = inkBox(*image, area);
        h.translate(0, top);
        ASSERT_FALSE(h.isEmpty()) << faces[i];
        QFont big(faces[i]);
        big.setPixelSize(1000);
        const QFontMetricsF m(big);
        const double capPerCell = m.capHeight() / (m.ascent() + m.descent());
        const double cellMm = h.height() / pxPerMm / capPerCell;
        EXPECT_NEAR(cellMm, 4.0, 0.03) << faces[i];
        // Baseline: the H stands the descent above the 20 mm line.
        const double baselineMm = 20.0 - makeCellFont({faces[i], 40}).descent / 10;
        EXPECT_NEAR((h.bottom() + 1) / pxPerMm, baselineMm, 0.03) << faces[i];
        std::printf("cell 40 in %s -> %.3f mm\n", faces[i], cellMm);
    }
}

// Whether a printer is installed can be set instead of asking the system;
// the test programs set "none" at start.
TEST(PrinterDevice, PrinterPresenceCanBeSet)
{
    struct Restore {
        ~Restore() { PrinterDevice::setPrinterInstalled(false); }
    } restore;
    PrinterDevice printer;
    PrinterDevice::setPrinterInstalled(true);
    EXPECT_TRUE(PrinterDevice::printerInstalled());
    EXPECT_FALSE(printer.needsOutputFile()); // the document would go to the printer
    PrinterDevice::setPrinterInstalled(std::nullopt);
    EXPECT_EQ(PrinterDevice::printerInstalled(), !QPrinterInfo::availablePrinters().isEmpty());
    PrinterDevice::setPrinterInstalled(false);
    EXPECT_TRUE(printer.needsOutputFile());
}

TEST(PrinterDevice, WithoutPrinterTheDocumentGoesToAChosenPdfFile)
{
    ASSERT_FALSE(PrinterDevice::printerInstalled()) << "the test programs run without a printer";
    QTemporaryDir dir;
    PrinterDevice printer;
    const DeviceCaps caps = printer.deviceCaps();
    EXPECT_EQ(caps, deviceCapsOf(printer.printer()));
    EXPECT_GT(caps.physicalOffsetX, 0); // the printer's unprintable margin

    printer.setTitle("Empfangsbekenntnis: Kühn/Anna");
    EXPECT_TRUE(printer.needsOutputFile());
    EXPECT_FALSE(printer.beginDocument());

    test::ScriptedPrompter cancel;
    cancel.files.push_back(std::nullopt);
    EXPECT_FALSE(printer.chooseOutputFile(cancel));
    ASSERT_EQ(cancel.dialogs.size(), 1u);
    EXPECT_EQ(cancel.dialogs[0].proposedName, "Empfangsbekenntnis_ Kühn_Anna.pdf");

    test::ScriptedPrompter prompter;
    const std::filesystem::path file = (dir.path() + "/out.pdf").toStdString();
    prompter.files.push_back(file);
    ASSERT_TRUE(printer.chooseOutputFile(prompter));
    ASSERT_TRUE(printer.beginDocument());
    EXPECT_EQ(printer.canvas().deviceCaps(), caps);
    // A page position of 20 mm from the paper's edge, drawn as layouts do:
    // minus the printable area's offset.
    const int offMm10 = int(std::lround(caps.physicalOffsetX * 254.0 / caps.dpiX));
    printer.canvas().setMetricMapping();
    printer.canvas().setPenWidth(5);
    printer.canvas().moveTo(200 - offMm10, -(200 - offMm10));
    printer.canvas().lineTo(400 - offMm10, -(200 - offMm10));
    ASSERT_TRUE(printer.newPage());
    drawLabel(printer.canvas(), 100, -100, "Seite 2");
    const DeviceResult written = printer.endDocument();
    EXPECT_FALSE(printer.isOpen());
    EXPECT_TRUE(written) << written.error;
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(printer.writtenFile(), file);
    EXPECT_TRUE(printer.needsOutputFile()); // the next document asks again

    const auto image = pdfPage(QString::fromStdString(file.string()), 1, 254, dir.path());
    if (!image)
        GTEST_SKIP() << "pdftoppm not installed";
    const QRect line = inkBox(*image); // 10 px per mm
    EXPECT_NEAR(line.left(), 200, 2);
    EXPECT_NEAR(line.center().y(), 200, 2);
}

} // namespace
} // namespace ruvek
