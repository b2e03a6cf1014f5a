// The editor pages build exactly the controls of the editor's list that
// belong to them, each as its row describes it: a named widget the list
// does not know, or a control of the list its page does not build, fails.
#include "editor/ControlRows.h"
#include "ui/editor/EditorPages.h"
#include "ui/settings/RadioGroup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

using namespace ruvek::editor;

namespace {

// A part of a composite control: a radio group's buttons are named after
// the group.
bool partOfRadioGroup(QWidget* w, QWidget* page)
{
    for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
        if (qobject_cast<ruvek::ui::RadioGroup*>(p))
            return true;
    return false;
}

// The page-relevant texts of a widget: its own caption, or nothing.
QString ownText(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->inputMask().isEmpty() ? QString() : e->displayText();
    return {};
}

TEST(EditorPagesFromList, EachPageBuildsItsControlsAsListed)
{
    QTabWidget tabs;
    ruvek::ui::editor::buildEditorPages(&tabs);
    const EditorPage pages[] = {EditorPage::Kopf, EditorPage::Text, EditorPage::Vermerke, EditorPage::Faecher,
                                EditorPage::Fuss};
    ASSERT_EQ(tabs.count(), 5);
    for (int p = 0; p < tabs.count(); ++p) {
        SCOPED_TRACE(tabs.tabText(p).toStdString());
        QWidget* page = static_cast<QScrollArea*>(tabs.widget(p))->widget();
        std::map<ControlId, QWidget*> built;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || partOfRadioGroup(w, page))
                continue;  // Qt's own parts of a widget, a radio group's buttons
            const auto id = findControl(name.toStdString());
            if (!id) {
                ADD_FAILURE() << name.toStdString() << " is built by the page but not in the list";
                continue;
            }
            EXPECT_EQ(Row(*id).page, pages[p]) << name.toStdString();
            EXPECT_TRUE(built.emplace(*id, w).second) << name.toStdString() << " is built twice";
        }
        for (const ControlRow& row : ControlRows()) {
            if (row.page != pages[p])
                continue;
            const std::string name(controlName(row.id));
            SCOPED_TRACE(name);
            const auto it = built.find(row.id);
            if (it == built.end()) {
                ADD_FAILURE() << "not built by its page";
                continue;
            }
            QWidget* w = it->second;
            EXPECT_EQ(w->toolTip().toStdString(), row.hint);
            EXPECT_EQ(ownText(w).toStdString(), row.text);
            const auto items = ItemsOf(row.items);
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                EXPECT_EQ(combo->count(), static_cast<int>(items.size()));
            }
            if (auto* group = qobject_cast<ruvek::ui::RadioGroup*>(w)) {
                EXPECT_EQ(group->count(), static_cast<int>(items.size()));
            }
            // The label that names the control: its label control, or an
            // unnamed one with the row's caption.
            if (row.labelledBy || !row.label.empty()) {
                const auto labels = page->findChildren<QLabel*>();
                const auto label =
                    std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == w; });
                ASSERT_NE(label, labels.end()) << "no label names it";
                if (row.labelledBy) {
                    EXPECT_EQ((*label)->objectName().toStdString(), controlName(*row.labelledBy));
                } else {
                    EXPECT_TRUE((*label)->objectName().isEmpty());
                    EXPECT_EQ((*label)->text().toStdString(), row.label);
                }
            }
        }
    }
}

} // namespace
