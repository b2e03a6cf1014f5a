#include "ui/mainwindow/AboutForm.h"

#include "common/ProgramVersion.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ruvek::ui {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Programm-Informationen"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(QString::fromUtf8(kProductName.data(), kProductName.size()), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    product->setFont(big);

    auto* subtitle = new QLabel(QStringLiteral("Zeugnisse für Kestland"), this);
    QFont medium = subtitle->font();
    medium.setPointSizeF(medium.pointSizeF() * 1.2);
    subtitle->setFont(medium);

    auto* version =
        new QLabel(QStringLiteral("Version ") + QString::fromUtf8(kProgramVersion.data(), kProgramVersion.size()), this);
    version->setObjectName(QStringLiteral("Version"));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* text = new QLabel(
        QStringLiteral("Verwaltung der Zeugnisdaten einer Klasse und Druck der amtlichen Zeugnisse,\n"
                       "Empfangsbekenntnisse und Lernentwicklungsberichte nach der\n"
                       "Zeugnisverordnung des Landes Kestland.\n\n"
                       "Für Grundschulen, Regionale Schulen, Integrierte Gesamtschulen,\n"
                       "Gymnasien, Haupt- und Realschulen sowie Förderschulen."),
        this);
    text->setWordWrap(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(product);
    right->addWidget(subtitle);
    right->addWidget(version);
    right->addSpacing(6);
    right->addWidget(line);
    right->addSpacing(6);
    right->addWidget(text);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(right, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 18, 18, 12);
    outer->addLayout(top);
    outer->addSpacing(8);
    outer->addWidget(buttons);
    setFixedSize(sizeHint());
}

} // namespace ruvek::ui
