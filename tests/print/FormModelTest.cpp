// The form control file opened for adjusting: edits checked whole, moves of
// a page by the slot-name table, undo and redo, saving that keeps the
// replaced version, and the shipped state restored.
#include "TempFolder.h"

#include "common/KeptVersions.h"
#include "print/FormModel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

using namespace ruvek;
using namespace ruvek::test;
namespace fs = std::filesystem;

namespace {

const fs::path kShipped = fs::path(RUVEK_SOURCE_DIR) / "data";

std::string bytesOf(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

FormModel openCopy(const TempFolder& tmp, const std::string& name)
{
    fs::copy_file(kShipped / name, tmp.root() / name, fs::copy_options::overwrite_existing);
    std::string error;
    std::optional<FormModel> m = FormModel::open(tmp.root() / name, &error);
    EXPECT_TRUE(m.has_value()) << error;
    return std::move(*m);
}

TEST(FormModel, EveryShippedFileSurvivesOpenAndSaveByteForByte)
{
    TempFolder tmp;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(kShipped)) {
        if (entry.path().extension() != ".FST")
            continue;
        ++files;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        FormModel m = openCopy(tmp, name);
        // A change and its undo leave nothing to tell.
        ASSERT_EQ(m.movePage(1, 7, -3), "");
        m.undo();
        EXPECT_FALSE(m.changed());
        EXPECT_EQ(m.save(), "");
        EXPECT_EQ(bytesOf(tmp.root() / name), bytesOf(entry.path()));
    }
    EXPECT_GE(files, 70);
}

TEST(FormModel, MovingAPageShiftsItsPositionsOnly)
{
    TempFolder tmp;
    FormModel m = openCopy(tmp, "Anl015.FST");
    const TFstTable before = m.table();
    int moved = 0;
    ASSERT_EQ(m.movePage(1, 50, -20, &moved), "");
    EXPECT_GE(moved, 15);
    int counted = 0;
    for (int i = 0; i < static_cast<int>(kFstSlotCount); ++i) {
        SCOPED_TRACE(i);
        const TFstSlot& a = before[static_cast<std::size_t>(i)];
        const TFstSlot& b = m.slot(i);
        const SlotUse use = SlotInfoOf(i, SlotFamily::Certificate).use;
        const bool onPage = a.Page == 1;
        const bool fits = a.Y >= 20; // a slot not printed that cannot move that far stays
        EXPECT_EQ(b.Align, a.Align);
        EXPECT_EQ(b.Font, a.Font);
        EXPECT_EQ(b.Page, a.Page);
        EXPECT_EQ(b.Visible, a.Visible);
        if (onPage && use == SlotUse::Position && (fits || a.Visible == 1)) {
            EXPECT_EQ(b.X, a.X + 50);
            EXPECT_EQ(b.Y, a.Y - 20);
            ++counted;
        } else if (onPage && use == SlotUse::RuleStart && a.X != 0) {
            EXPECT_EQ(b.X, a.X + 50);
            EXPECT_EQ(b.Y, a.Y);
            ++counted;
        } else {
            EXPECT_EQ(b, a) << "not a position of page 1";
        }
    }
    EXPECT_EQ(counted, moved);
    // The free-text blocks' line count and spacing are no position, the
    // frame is the page area of both pages.
    EXPECT_EQ(m.slot(1), before[1]);
    EXPECT_EQ(m.slot(2), before[2]);
    EXPECT_EQ(m.slot(67), before[67]);
    EXPECT_EQ(m.slot(70), before[70]);
    m.undo();
    EXPECT_EQ(m.table(), before);
    m.redo();
    EXPECT_EQ(m.slot(16).X, before[16].X + 50);
}

TEST(FormModel, RefusedChangesLeaveEverySlotAsItWas)
{
    TempFolder tmp;
    FormModel m = openCopy(tmp, "Anl017.FST");
    const TFstTable before = m.table();
    const struct {
        int slot;
        SlotField field;
        long long value;
    } bad[] = {
        {141, SlotField::X, 10},          {-1, SlotField::X, 10},      {16, SlotField::X, -1},
        {16, SlotField::Y, 65536},        {16, SlotField::Align, 3},   {16, SlotField::Page, 4},
        {16, SlotField::Visible, 2},      {16, SlotField::Font, 70000},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(std::to_string(b.slot) + " " + SlotFieldName(b.field) + "=" + std::to_string(b.value));
        EXPECT_NE(m.setField(b.slot, b.field, b.value), "");
        EXPECT_EQ(m.table(), before);
    }
    EXPECT_NE(m.movePage(1, 0, -30000), "") << "pushed off the page";
    EXPECT_NE(m.movePage(2, 65535, 0), "");
    EXPECT_NE(m.movePage(3, 1, 1), "");
    EXPECT_NE(m.moveSlot(16, -5000, 0), "");
    EXPECT_EQ(m.table(), before);
    EXPECT_FALSE(m.canUndo());
}

TEST(FormModel, EditsUndoRedoInOrder)
{
    TempFolder tmp;
    FormModel m = openCopy(tmp, "Anl017.FST");
    const TFstTable start = m.table();
    std::mt19937 rng(29);
    std::vector<TFstTable> states{start};
    for (int step = 0; step < 40; ++step) {
        const int slot = static_cast<int>(rng() % kFstSlotCount);
        if (rng() % 2)
            ASSERT_EQ(m.moveSlot(slot, 1 + static_cast<int>(rng() % 10), 1), "");
        else
            ASSERT_EQ(m.setField(slot, SlotField::Visible, static_cast<long long>(1 - m.slot(slot).Visible % 2)), "");
        states.push_back(m.table());
    }
    for (int step = 40; step > 0; --step) {
        m.undo();
        ASSERT_EQ(m.table(), states[static_cast<std::size_t>(step - 1)]);
    }
    EXPECT_FALSE(m.canUndo());
    for (int step = 1; step <= 40; ++step) {
        m.redo();
        ASSERT_EQ(m.table(), states[static_cast<std::size_t>(step)]);
    }
    // A new change after undo drops what could have been redone.
    m.undo();
    ASSERT_EQ(m.setField(16, SlotField::X, 123), "");
    EXPECT_FALSE(m.canRedo());
}

TEST(FormModel, SaveKeepsTheReplacedVersionAndTheShippedState)
{
    TempFolder tmp;
    const fs::path program = tmp.root() / "program";
    const fs::path data = tmp.root() / "data";
    fs::create_directories(program);
    fs::create_directories(data);
    fs::copy_file(kShipped / "Anl017_1031.FST", program / "Anl017_1031.FST");
    fs::copy_file(kShipped / "Anl017_1031.FST", data / "Anl017_1031.FST");
    const std::string shipped = bytesOf(program / "Anl017_1031.FST");

    // The copy in the data folder: its shipped state is the program folder's file.
    {
        std::string error;
        std::optional<FormModel> m = FormModel::open(data / "Anl017_1031.FST", &error);
        ASSERT_TRUE(m) << error;
        ASSERT_EQ(m->setField(8, SlotField::X, 900), "");
        ASSERT_EQ(m->save(), "");
        const auto versions = listFileVersions(data / "Anl017_1031.FST");
        ASSERT_EQ(versions.size(), 1u);
        EXPECT_EQ(bytesOf(versions[0]), shipped);
        ASSERT_EQ(m->setField(8, SlotField::X, 950), "");
        ASSERT_EQ(m->save(), "");
        EXPECT_EQ(listFileVersions(data / "Anl017_1031.FST").size(), 2u);
        ASSERT_EQ(m->restoreShipped(program), "");
        EXPECT_EQ(m->slot(8).X, FormModel::open(program / "Anl017_1031.FST", &error)->slot(8).X);
        ASSERT_EQ(m->save(), "");
        EXPECT_EQ(bytesOf(data / "Anl017_1031.FST"), shipped);
    }
    // The file in the program folder itself: the state before the first
    // change is kept once and is its shipped state.
    {
        std::string error;
        std::optional<FormModel> m = FormModel::open(program / "Anl017_1031.FST", &error);
        ASSERT_TRUE(m) << error;
        EXPECT_EQ(m->shippedFile(program), fs::path());
        ASSERT_EQ(m->movePage(2, 10, 10), "");
        ASSERT_EQ(m->save(), "");
        ASSERT_EQ(m->movePage(2, 10, 10), "");
        ASSERT_EQ(m->save(), "");
        EXPECT_EQ(bytesOf(ShippedKeepPath(program / "Anl017_1031.FST")), shipped);
        ASSERT_EQ(m->restoreShipped(program), "");
        ASSERT_EQ(m->save(), "");
        EXPECT_EQ(bytesOf(program / "Anl017_1031.FST"), shipped);
    }
}

TEST(FormModel, UnreadableFilesAreRefusedWithAMessage)
{
    TempFolder tmp;
    writeText(tmp.root() / "kaputt.FST", "Titel\r\n=====\r\n0\r\nabc\r\n");
    std::string error;
    EXPECT_FALSE(FormModel::open(tmp.root() / "kaputt.FST", &error));
    EXPECT_NE(error.find("keine Formular-Steuerdatei"), std::string::npos) << error;
    EXPECT_FALSE(FormModel::open(tmp.root() / "fehlt.FST", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(FormModel::open(tmp.root(), &error));
}

} // namespace
