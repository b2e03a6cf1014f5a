#include "ui/mainwindow/SpeedBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <functional>

namespace ruvek::ui {

namespace {

constexpr int kSize = 32;
const QColor kInk(50, 60, 80);
const QColor kPaper(252, 252, 246);
const QColor kBlue(40, 90, 170);
const QColor kRed(180, 40, 40);

QIcon drawn(const std::function<void(QPainter&)>& paint)
{
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
    p.end();
    return QIcon(pm);
}

void sheet(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void letter(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, int pixelSize, bool bold = true)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void printer(QPainter& p)
{
    sheet(p, QRectF(9, 3, 14, 10));                       // paper coming in
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);       // body
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 20, 16, 9));                     // paper going out
    p.setBrush(QColor(80, 170, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25, 15.5), 1.5, 1.5);
}

void printerWith(QPainter& p, const QString& mark)
{
    printer(p);
    letter(p, QRectF(8, 19, 16, 11), mark, kBlue, 9);
}

void magnifier(QPainter& p, const QString& mark)
{
    sheet(p, QRectF(4, 2, 18, 24));
    letter(p, QRectF(4, 2, 18, 14), mark, kBlue, 11);
    p.setPen(QPen(kInk, 1));
    for (int y = 17; y <= 23; y += 3)
        p.drawLine(QPointF(7, y), QPointF(19, y));
    p.setPen(QPen(kInk, 2.5));
    p.setBrush(QColor(190, 220, 255, 160));
    p.drawEllipse(QPointF(20, 19), 6, 6);
    p.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24.5, 23.5), QPointF(29, 28));
}

// Two lines of text with an arrow beside them pointing down.
void sortIcon(QPainter& p, const QString& top, const QString& bottom, const QColor& colour)
{
    letter(p, QRectF(0, 0, 19, 16), top, colour, 13);
    letter(p, QRectF(0, 15, 19, 16), bottom, colour, 13);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 4), QPointF(25, 27));
    QPainterPath head;
    head.moveTo(20, 21);
    head.lineTo(25, 28);
    head.lineTo(30, 21);
    p.drawPath(head);
}

} // namespace

QIcon applicationIcon()
{
    return drawn([](QPainter& p) {
        sheet(p, QRectF(5, 2, 20, 27));
        p.setPen(QPen(kInk, 1));
        for (int y = 8; y <= 18; y += 3)
            p.drawLine(QPointF(8, y), QPointF(22, y));
        p.setPen(QPen(kRed.darker(120), 1));
        p.setBrush(kRed);
        p.drawEllipse(QPointF(21, 24), 5.5, 5.5);
        letter(p, QRectF(15.5, 18.5, 11, 11), QStringLiteral("Z"), Qt::white, 8);
    });
}

QIcon speedIcon(SpeedIcon which, const QStyle* style)
{
    switch (which) {
    case SpeedIcon::New: return style->standardIcon(QStyle::SP_FileIcon);
    case SpeedIcon::Open: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case SpeedIcon::Save: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case SpeedIcon::SaveAs: {
        const QPixmap base = style->standardIcon(QStyle::SP_DialogSaveButton).pixmap(kSize, kSize);
        return drawn([&](QPainter& p) {
            p.drawPixmap(QRect(0, 0, 24, 24), base);
            p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(17, 29), QPointF(29, 17));      // pencil: save under a new name
            p.setPen(QPen(kInk, 1.5));
            p.drawLine(QPointF(14, 31), QPointF(17, 29));
        });
    }
    case SpeedIcon::PrinterSetup: return drawn(printer);
    case SpeedIcon::Cut:
        return drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 2));
            p.drawLine(QPointF(9, 3), QPointF(20, 22));
            p.drawLine(QPointF(23, 3), QPointF(12, 22));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kRed, 2.5));
            p.drawEllipse(QPointF(10, 25), 4.5, 4.5);
            p.drawEllipse(QPointF(22, 25), 4.5, 4.5);
        });
    case SpeedIcon::Copy:
        return drawn([](QPainter& p) {
            sheet(p, QRectF(3, 3, 16, 20));
            sheet(p, QRectF(12, 9, 16, 20));
            p.setPen(QPen(kInk, 1));
            for (int y = 14; y <= 24; y += 4)
                p.drawLine(QPointF(15, y), QPointF(25, y));
        });
    case SpeedIcon::Paste:
        return drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(190, 140, 80));
            p.drawRoundedRect(QRectF(3, 5, 20, 24), 2, 2);
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(8, 2, 10, 5));
            sheet(p, QRectF(13, 12, 16, 18));
            p.setPen(QPen(kInk, 1));
            for (int y = 17; y <= 26; y += 3)
                p.drawLine(QPointF(16, y), QPointF(26, y));
        });
    case SpeedIcon::Help:
        return drawn([](QPainter& p) {
            p.setPen(QPen(kBlue.darker(130), 1.5));
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(16, 16), 13, 13);
            letter(p, QRectF(3, 3, 26, 26), QStringLiteral("?"), Qt::white, 20);
        });
    case SpeedIcon::About: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case SpeedIcon::Exit:
        return drawn([](QPainter& p) {
            // An open door with an arrow leading out.
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(230, 230, 225));
            p.drawRect(QRectF(4, 3, 16, 26));
            QPolygonF door;
            door << QPointF(4, 3) << QPointF(13, 7) << QPointF(13, 31) << QPointF(4, 29);
            p.setBrush(QColor(160, 110, 60));
            p.drawPolygon(door);
            p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(16, 16), QPointF(29, 16));
            p.drawLine(QPointF(24, 11), QPointF(29, 16));
            p.drawLine(QPointF(24, 21), QPointF(29, 16));
        });
    case SpeedIcon::PrintCertificate: return drawn([](QPainter& p) { printerWith(p, QStringLiteral("Z")); });
    case SpeedIcon::PrintReceipt: return drawn([](QPainter& p) { printerWith(p, QStringLiteral("E")); });
    case SpeedIcon::PreviewCertificate: return drawn([](QPainter& p) { magnifier(p, QStringLiteral("Z")); });
    case SpeedIcon::PreviewReceipt: return drawn([](QPainter& p) { magnifier(p, QStringLiteral("E")); });
    case SpeedIcon::SortNameUp: return drawn([](QPainter& p) { sortIcon(p, "A", "Z", kBlue); });
    case SpeedIcon::SortNameDown: return drawn([](QPainter& p) { sortIcon(p, "Z", "A", kBlue); });
    case SpeedIcon::SortKeyUp: return drawn([](QPainter& p) { sortIcon(p, "1", "9", kInk); });
    case SpeedIcon::SortKeyDown: return drawn([](QPainter& p) { sortIcon(p, "9", "1", kInk); });
    case SpeedIcon::SortGirlsFirst: return drawn([](QPainter& p) { sortIcon(p, "M", "J", kRed); });
    case SpeedIcon::SortBoysFirst: return drawn([](QPainter& p) { sortIcon(p, "J", "M", kRed); });
    case SpeedIcon::SubjectEntry:
        return drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kPaper);
            p.drawRect(QRectF(3, 4, 26, 24));
            p.setBrush(QColor(200, 215, 240));
            p.drawRect(QRectF(3, 4, 26, 6));
            for (int x : {12, 21})
                p.drawLine(QPointF(x, 4), QPointF(x, 28));
            for (int y : {16, 22})
                p.drawLine(QPointF(3, y), QPointF(29, y));
            letter(p, QRectF(21, 10, 8, 6), "2", kRed, 7);
            letter(p, QRectF(21, 16, 8, 6), "1", kRed, 7);
            letter(p, QRectF(21, 22, 8, 6), "3", kRed, 7);
        });
    case SpeedIcon::Statistics:
        return drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            p.drawLine(QPointF(3, 29), QPointF(30, 29));
            p.drawLine(QPointF(3, 29), QPointF(3, 2));
            const double heights[] = {8, 16, 22, 13, 6};
            const QColor colours[] = {kBlue, kBlue, QColor(60, 150, 80), kBlue, kBlue};
            for (int i = 0; i < 5; ++i) {
                p.setBrush(colours[i]);
                p.setPen(Qt::NoPen);
                p.drawRect(QRectF(6 + i * 5, 28 - heights[i], 4, heights[i]));
            }
        });
    }
    return {};
}

} // namespace ruvek::ui
