// Undo and redo of the commands that change the record list as a whole.
#include "classfile/RecordCollection.h"
#include "classfile/UndoStack.h"

#include "WorkProtectionSupport.h"
#include "support/ScriptedPrompter.h"

#include <functional>
#include <gtest/gtest.h>

using namespace ruvek;
using namespace ruvek::test;

namespace {
OpenClass classOf(std::vector<std::string> names)
{
    OpenClass cls{SchoolType::RegionaleSchule, {}, RandomSource(9)};
    cls.records.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        cls.records[i] = cls.newRecordTemplate;
        cls.records[i].Name = names[i];
        cls.records[i].SchlNr = static_cast<std::int32_t>(100 - i);
        cls.records[i].Weiblich = static_cast<std::int32_t>(i % 3) - 1;
    }
    cls.records[1].Status = 0;   // marked deleted
    cls.current = 2;
    return cls;
}
} // namespace

TEST(UndoStack, EachBulkCommandIsUndoneAndRedoneByteForByte)
{
    const struct {
        const char* name;
        std::function<void(OpenClass&, ScriptedPrompter&)> run;
    } commands[] = {
        {"Sortieren nach Namen", [](OpenClass& c, ScriptedPrompter&) { sortRecords(c, SortOrder::NameAscending); }},
        {"Sortieren nach Schlüsselnummer",
         [](OpenClass& c, ScriptedPrompter&) { sortRecords(c, SortOrder::KeyAscending); }},
        {"Sortieren wie im Klassenbuch (Mädchen zuerst)",
         [](OpenClass& c, ScriptedPrompter&) { sortRecords(c, SortOrder::GirlsFirst); }},
        {"Entfernen der gelöschten Datensätze",
         [](OpenClass& c, ScriptedPrompter& p) {
             p.answers.push_back(true);
             removeMarked(c, p);
         }},
        {"Einfügen (Schüler-Datensatz)", [](OpenClass& c, ScriptedPrompter&) { pasteRecord(c); }},
    };
    for (const auto& command : commands) {
        OpenClass cls = classOf({"Zander", "adam", "Ärger", "Berg"});
        ScriptedPrompter prompter;
        const auto before = UndoStack::snapshot(cls);
        command.run(cls, prompter);
        const auto after = UndoStack::snapshot(cls);
        ASSERT_TRUE(cls.undo.record(command.name, before, cls)) << command.name;
        EXPECT_EQ(cls.undo.undoName(), command.name);

        cls.changed = false;
        ASSERT_TRUE(cls.undo.undo(cls));
        EXPECT_TRUE(sameRecords(cls.records, before.records)) << command.name;
        EXPECT_EQ(cls.current, before.current) << command.name;
        EXPECT_TRUE(cls.changed);
        EXPECT_EQ(cls.undo.redoName(), command.name);

        ASSERT_TRUE(cls.undo.redo(cls));
        EXPECT_TRUE(sameRecords(cls.records, after.records)) << command.name;
        EXPECT_EQ(cls.current, after.current) << command.name;
    }
}

TEST(UndoStack, SeveralLevelsInOrderAndANewCommandEndsRedo)
{
    OpenClass cls = classOf({"Zander", "adam", "Ärger", "Berg"});
    const auto original = UndoStack::snapshot(cls);
    const auto sort = [&](const char* name, SortOrder order) {
        auto before = UndoStack::snapshot(cls);
        sortRecords(cls, order);
        return cls.undo.record(name, std::move(before), cls);
    };
    ASSERT_TRUE(sort("Sortieren nach Namen", SortOrder::NameAscending));
    ASSERT_TRUE(sort("Sortieren nach Namen (absteigend)", SortOrder::NameDescending));
    ASSERT_TRUE(sort("Sortieren nach Schlüsselnummer", SortOrder::KeyAscending));
    // A command that changes nothing is not kept.
    EXPECT_FALSE(sort("Sortieren nach Schlüsselnummer", SortOrder::KeyAscending));
    EXPECT_EQ(cls.undo.undoLevels(), 3u);

    ASSERT_TRUE(cls.undo.undo(cls));
    EXPECT_EQ(namesOf(cls.records), (std::vector<std::string>{"Zander", "Berg", "Ärger", "adam"}));
    EXPECT_EQ(cls.undo.undoName(), "Sortieren nach Namen (absteigend)");
    ASSERT_TRUE(cls.undo.undo(cls));
    ASSERT_TRUE(cls.undo.undo(cls));
    EXPECT_TRUE(sameRecords(cls.records, original.records));
    EXPECT_FALSE(cls.undo.canUndo());
    EXPECT_EQ(cls.undo.redoLevels(), 3u);
    EXPECT_EQ(cls.undo.redoName(), "Sortieren nach Namen");

    ASSERT_TRUE(cls.undo.redo(cls));
    ASSERT_TRUE(sort("Sortieren nach Klasse", SortOrder::ClassDescending) ||
                sort("Sortieren nach Namen (absteigend)", SortOrder::NameDescending));
    EXPECT_FALSE(cls.undo.canRedo());
}

TEST(UndoStack, TellsWhenLaterChangesWouldBeLostAndKeepsAtMostItsLevels)
{
    OpenClass cls = classOf({"Zander", "adam", "Ärger", "Berg"});
    cls.undo = UndoStack(2);
    for (SortOrder order : {SortOrder::NameAscending, SortOrder::NameDescending, SortOrder::KeyAscending}) {
        auto before = UndoStack::snapshot(cls);
        sortRecords(cls, order);
        cls.undo.record("Sortieren", std::move(before), cls);
    }
    EXPECT_EQ(cls.undo.undoLevels(), 2u);
    EXPECT_FALSE(cls.undo.undoLosesChanges(cls));
    cls.records[0].Name = "getippt";   // a stored edit after the sort
    EXPECT_TRUE(cls.undo.undoLosesChanges(cls));
}
