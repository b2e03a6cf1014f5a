#include "editor/Navigation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ruvek;
using namespace ruvek::editor;

namespace {

std::vector<TZgnRec> records(std::vector<int> statuses)
{
    std::vector<TZgnRec> r(statuses.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        r[i].Status = static_cast<std::int16_t>(statuses[i]);
        r[i].Name = "Schueler" + std::to_string(i);
        r[i].Vorname = "Vorname";
    }
    return r;
}

struct NavCase {
    const char* what;
    std::vector<int> status;
    int current;
    bool showDeleted;
    NavCommand cmd;
    NavOutcome expected;
};

TEST(EditorNavigation, Buttons)
{
    using enum NavCommand;
    constexpr auto none = std::nullopt;
    const NavCase cases[] = {
        {"all shown: first stores and moves", {1, 1, 0, 1, 1}, 3, true, First, {true, 0, none, true}},
        {"all shown: first at 0 disables back", {1, 1}, 0, true, First, {false, 0, false, true}},
        {"all shown: previous at 0", {1, 1}, 0, true, Previous, {false, 0, false, none}},
        {"all shown: previous visits deleted", {1, 0}, 1, true, Previous, {true, 0, none, true}},
        {"all shown: next at last", {1, 1}, 1, true, Next, {false, 1, none, false}},
        {"all shown: last moves", {1, 1, 1}, 0, true, Last, {true, 2, true, none}},
        {"all shown: last at last", {1, 1, 1}, 2, true, Last, {false, 2, true, false}},
        {"hidden: first stores too", {0, 1, 0, 1}, 3, false, First, {true, 1, none, true}},
        {"hidden: first without active before: last", {0, 0, 0}, 1, false, First, {true, 2, none, true}},
        {"hidden: last stores too", {1, 0, 1, 0, 0}, 0, false, Last, {true, 2, true, none}},
        {"hidden: last without active: record 0", {0, 0, 0}, 1, false, Last, {true, 0, true, none}},
        {"hidden: next skips deleted", {1, 0, 0, 1}, 0, false, Next, {true, 3, true, none}},
        {"hidden: only active, next stays", {0, 1, 0}, 1, false, Next, {false, 1, none, false}},
        {"hidden: only active, previous stays", {0, 1, 0}, 1, false, Previous, {false, 1, false, none}},
    };
    for (const NavCase& c : cases) {
        const auto recs = records(c.status);
        EXPECT_EQ(Navigate(c.cmd, recs, c.current, c.showDeleted), c.expected) << c.what;
    }
}

TEST(EditorNavigation, ShowIndexIsCheckedBeforeUse)
{
    EXPECT_EQ(ShowIndex(0, 0), std::nullopt);
    EXPECT_EQ(ShowIndex(5, 3), 2);
    EXPECT_EQ(ShowIndex(-1, 3), 0);
    EXPECT_EQ(ShowIndex(1, 3), 1);
}

TEST(EditorStudentList, EntriesAndSelection)
{
    auto recs = records({1, 0, 1, 1});
    recs[0].Name = std::string(30, 'A');  // "AAA..., " cut to 32
    recs[0].Vorname = std::string(30, 'b');
    recs[2].Name = "Meier";
    recs[3].Name = "Meier";
    recs[2].Vorname = recs[3].Vorname = "Jan";

    // Built with append: gcc 12 warns falsely about operator+ on these strings.
    const std::string longEntry = std::string(30, 'A').append(", ").append(30, 'b');
    EXPECT_EQ(StudentListText(recs[0]), longEntry);
    EXPECT_EQ(StudentListText(recs[2]), "Meier, Jan");

    const StudentList all = BuildStudentList(recs, 3, true);
    EXPECT_EQ(all.entries.size(), 4U);
    EXPECT_EQ(all.selected, 3);

    // Deleted records hidden: of two equal names the first is selected.
    const StudentList active = BuildStudentList(recs, 3, false);
    EXPECT_EQ(active.recordOf, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(active.selected, 1);
    EXPECT_EQ(BuildStudentList(recs, 1, false).selected, std::nullopt);
}

TEST(EditorStudentList, ClickWithDeletedHidden)
{
    auto recs = records({1, 1, 0, 1});
    recs[1].Name = recs[3].Name = "Meier";
    recs[1].Vorname = recs[3].Vorname = "Jan";
    const StudentList list = BuildStudentList(recs, 0, false);  // entries: 0, 1, 3
    // Clicking below the remembered position searches forwards from the
    // current record: the first "Meier, Jan" at or after record 0 is record 1.
    EXPECT_EQ(ListClickTarget(recs, 0, list, 2, 0, false), 1);
    // Upwards from record 3, the search finds record 3 itself first.
    EXPECT_EQ(ListClickTarget(recs, 3, list, 1, 2, false), 3);
    EXPECT_EQ(ListClickTarget(recs, 3, list, 0, 2, false), 0);
    EXPECT_EQ(ListClickTarget(recs, 3, list, std::nullopt, 2, false), 3);
    // All shown: the entry is the record; no entry means record 0.
    EXPECT_EQ(ListClickTarget(recs, 3, BuildStudentList(recs, 3, true), 2, 3, true), 2);
    EXPECT_EQ(ListClickTarget(recs, 3, BuildStudentList(recs, 3, true), std::nullopt, 3, true), 0);
}

} // namespace
