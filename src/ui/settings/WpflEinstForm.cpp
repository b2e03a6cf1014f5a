#include "ui/settings/WpflEinstForm.h"

#include "common/Cp1252.h"
#include "ui/Cp1252Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ruvek::ui {

TWpflEinstForm::TWpflEinstForm(TWPflFach& list, std::vector<std::string>& wahlpflichtListe, Prompter& prompter,
                               std::function<WpflFolders()> folders, QWidget* parent)
    : QDialog(parent), list_(list), liste_(wahlpflichtListe), prompter_(prompter), folders_(std::move(folders))
{
    setObjectName("WpflEinstForm");
    setWindowTitle(QStringLiteral("Einstellungen zu den Wahlpflichtfächern"));
    setModal(true);

    auto* group = new QGroupBox(QStringLiteral("Liste der aktuellen Wahlpflichtfächer"), this);
    listBox1_ = new QListWidget(group);
    listBox1_->setObjectName("ListBox1");
    // A list takes its name from itself, not from the group around it.
    listBox1_->setAccessibleName(group->title());
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(listBox1_);

    auto* label = new QLabel(QStringLiteral("neues Wahlpflichtfach"), this);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName("Edit1");
    label->setBuddy(edit1_);

    button3_ = new QPushButton(QStringLiteral("Fach zur Liste hinzufügen"), this);
    button3_->setObjectName("Button3");
    button4_ = new QPushButton(QStringLiteral("ausgewähltes Fach aus der Liste löschen"), this);
    button4_->setObjectName("Button4");
    button1_ = new QPushButton(QStringLiteral("OK"), this);
    button1_->setObjectName("Button1");
    button1_->setDefault(true);
    button2_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    button2_->setObjectName("Button2");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button1_);
    buttons->addWidget(button2_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(button4_);
    layout->addWidget(label);
    layout->addWidget(edit1_);
    layout->addWidget(button3_);
    layout->addLayout(buttons);
    // Tab follows the controls from top to bottom.
    setTabOrder(listBox1_, button4_);
    setTabOrder(button4_, edit1_);
    setTabOrder(edit1_, button3_);
    setTabOrder(button3_, button1_);

    // Enter in the new-subject field belongs to "Fach zur Liste hinzufügen":
    // one typed name after another goes into the list, and only OK closes.
    edit1_->installEventFilter(this);

    // The caption must not be cut in the title bar; the room beside it is for
    // the window icon and the title bar's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);

    connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int row) { ListBox1Click(row); });
    connect(button3_, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(button4_, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TWpflEinstForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

bool TWpflEinstForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TWpflEinstForm::FormShow()
{
    LoadWPflFach(list_, folders_(), prompter_);
    list_.Gewaehlt = 0;
    liste_ = BuildWahlpflichtListe(list_);
    refresh();
}

void TWpflEinstForm::ListBox1Click(int row)
{
    if (row >= 0 && static_cast<std::size_t>(row) < list_.count())
        list_.Gewaehlt = static_cast<std::size_t>(row);
}

void TWpflEinstForm::Button3Click()
{
    AddWPflFach(list_, utf8ToCp1252(edit1_->text().toStdString()));
    refresh();
}

void TWpflEinstForm::Button4Click()
{
    DeleteSelectedWPflFach(list_, prompter_);
    refresh();
}

void TWpflEinstForm::Button1Click()
{
    SaveWPflFach(list_, folders_(), prompter_);
    liste_ = BuildWahlpflichtListe(list_);
    accept();
}

void TWpflEinstForm::Button2Click() { reject(); }

// Fills the list box from the array and selects the selected entry. The
// program's WahlpflichtListe is left alone until OK, so that "Abbrechen"
// leaves the selections of the editor as they were.
void TWpflEinstForm::refresh()
{
    const QSignalBlocker block(listBox1_);
    listBox1_->clear();
    for (const auto& e : list_.Eintraege)
        listBox1_->addItem(fromCp1252(e.WpfName.view()));
    if (list_.Gewaehlt >= list_.count())
        list_.Gewaehlt = list_.count() == 0 ? 0 : list_.count() - 1;
    if (list_.count() > 0)
        listBox1_->setCurrentRow(static_cast<int>(list_.Gewaehlt));
}

} // namespace ruvek::ui
