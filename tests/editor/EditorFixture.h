#pragma once
// The record editor on a class of a Regionale Schule, shown through the
// memory view, with a scripted prompter: the set-up of the editor tests.
#include "classfile/OpenClass.h"
#include "editor/MemoryView.h"
#include "editor/RecordEditor.h"
#include "settings/Installation.h"
#include "settings/WPflFach.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ruvek::test {

struct EditorFixture : ::testing::Test {
    Installation installation;
    ScriptedPrompter prompter;
    OpenClass openClass{SchoolType::RegionaleSchule};
    editor::MemoryView view;
    std::unique_ptr<editor::RecordEditor> editor;
    // The school's elective list (Windows-1252), when not the default one.
    std::optional<std::vector<std::string>> electiveList;

    // Opens the editor on `records` at list position `current`.
    void start(std::vector<TZgnRec> records, int current = 0, bool showDeleted = true)
    {
        installation.settings.schule.Schultyp = toInt(SchoolType::RegionaleSchule);
        installation.settings.prog.ZeigeGeloeschte = showDeleted ? 1 : 0;
        WpflDefaults(installation.electives);
        installation.wahlpflichtListe = electiveList ? *electiveList : BuildWahlpflichtListe(installation.electives);
        openClass.records = std::move(records);
        openClass.current = current;
        openClass.changed = false;
        editor = std::make_unique<editor::RecordEditor>(openClass, installation, prompter, view);
        editor->show();
    }
    TZgnRec& rec(int i) { return openClass.records[static_cast<std::size_t>(i)]; }
};

} // namespace ruvek::test
