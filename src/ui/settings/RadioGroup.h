#pragma once
// A captioned group of radio buttons whose selection is an item index, as the
// settings dialogs store it in their records (-1 = nothing selected). The
// buttons are named <groupName>_0, <groupName>_1, ... for tests.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace ruvek::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items, int columns = 1,
               QWidget* parent = nullptr);

    int itemIndex() const;
    // Selects item `index`; an index outside the items clears the selection.
    void setItemIndex(int index);
    int count() const;
    QString itemText(int index) const;

signals:
    // The user clicked item `index`.
    void itemClicked(int index);

private:
    QButtonGroup* buttons_;
};

} // namespace ruvek::ui
