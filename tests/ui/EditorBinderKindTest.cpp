// The binder takes every control of the editor's list by its objectName and
// kind; a control that is missing or of another kind stops the start with
// the control's name instead of reaching an unchecked cast later.
#include "editor/EditorControls.h"
#include "support/ScriptedPrompter.h"
#include "ui/editor/EditorBinder.h"
#include "ui/settings/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

using ruvek::editor::ControlId;
using ruvek::editor::ControlKind;

namespace {

QWidget* widgetOfKind(ControlKind kind, QWidget* parent)
{
    switch (kind) {
    case ControlKind::LineEdit:
    case ControlKind::MaskEdit: return new QLineEdit(parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::CheckBox: return new QCheckBox(parent);
    case ControlKind::RadioGroup: return new ruvek::ui::RadioGroup(QString(), QString(), {QStringLiteral("a")});
    case ControlKind::Memo: return new QPlainTextEdit(parent);
    case ControlKind::Label: return new QLabel(parent);
    case ControlKind::GroupBox: return new QGroupBox(parent);
    case ControlKind::Button: return new QPushButton(parent);
    case ControlKind::ListBox: return new QListWidget(parent);
    case ControlKind::PageControl: return new QTabWidget(parent);
    }
    return new QWidget(parent);
}

// A window with every control of the list, `wrong` (if any) as a plain label.
std::unique_ptr<QWidget> editorWindow(std::optional<ControlId> wrong = std::nullopt)
{
    auto root = std::make_unique<QWidget>();
    for (std::size_t i = 0; i < ruvek::editor::kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        QWidget* w = id == wrong ? new QLabel(root.get()) : widgetOfKind(ruvek::editor::controlKind(id), root.get());
        w->setParent(root.get());
        w->setObjectName(QString::fromLatin1(ruvek::editor::controlName(id)));
    }
    return root;
}

std::string startError(QWidget* root)
{
    ruvek::test::ScriptedPrompter prompter;
    try {
        new ruvek::ui::editor::EditorBinder(root, prompter, [](int) { return false; });
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(EditorBinderKinds, EveryControlOfItsKindStarts)
{
    auto root = editorWindow();
    EXPECT_EQ(startError(root.get()), "");
}

TEST(EditorBinderKinds, AWidgetOfAnotherKindNamesTheControl)
{
    for (ControlId wrong : {ControlId::Edit5, ControlId::Memo2, ControlId::ComboBox41, ControlId::RadioGroup1,
                            ControlId::CheckBox1, ControlId::ListBox1}) {
        auto root = editorWindow(wrong);
        const std::string name(ruvek::editor::controlName(wrong));
        EXPECT_EQ(startError(root.get()), "editor control of the wrong kind: " + name + " is a QLabel") << name;
    }
    auto root = editorWindow();
    delete root->findChild<QWidget*>(QStringLiteral("Edit63"));
    EXPECT_EQ(startError(root.get()), "editor control missing: Edit63");
}
