// `cmake --install` of this build into a fresh prefix: the program folder
// with binaries and shipped data, the launchers, the desktop integration and
// the checks of the freedesktop tools; then the launcher from an
// installation the user owns and from one installed for all users.
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using ruvek::test::haveTool;
using ruvek::test::run;
using ruvek::test::shellQuoted;

namespace {

std::string readText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class InstalledTree : public ::testing::Test {
protected:
    fs::path root;      // removed afterwards
    fs::path prefix;    // the installation
    fs::path xdgData;   // the user's XDG_DATA_HOME

    void SetUp() override
    {
        std::string templ = (fs::temp_directory_path() / "ruvek-install-XXXXXX").string();
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        root = templ;
        prefix = root / "prefix";
        xdgData = root / "xdg";
        std::ostringstream command;
        command << RUVEK_CMAKE << " --install " << shellQuoted(RUVEK_BUILD_DIR) << " --prefix " << shellQuoted(prefix);
        const auto install = run(command.str());
        ASSERT_EQ(install.exitCode, 0) << install.text;
    }
    void TearDown() override
    {
        if (root.empty())
            return;
        run("chmod -R u+w " + shellQuoted(root));
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    fs::path programFolder() const { return prefix / "lib/ruvek"; }
    fs::path example() const { return programFolder() / "examples/Beispielklasse.RVK"; }
    // ruvek-cli through its launcher, as a user with the test's XDG folder.
    ruvek::test::Output cliShowExample() const
    {
        return run("env -u RUVEK_PROGRAM_FOLDER XDG_DATA_HOME=" + shellQuoted(xdgData) + " " +
                   shellQuoted(prefix / "bin/ruvek-cli") + " show " + shellQuoted(example()));
    }
};

} // namespace

TEST_F(InstalledTree, HoldsProgramFolderLaunchersAndDesktopFiles)
{
    const struct {
        const char* path;
        bool executable;
    } expected[] = {
        {"lib/ruvek/ruvek", true},
        {"lib/ruvek/ruvek-cli", true},
        {"bin/ruvek", true},
        {"bin/ruvek-cli", true},
        {"share/applications/de.ruvek.Ruvek.desktop", false},
        {"share/icons/hicolor/scalable/apps/de.ruvek.Ruvek.svg", false},
        {"share/mime/packages/de.ruvek.Ruvek.xml", false},
        {"share/metainfo/de.ruvek.Ruvek.metainfo.xml", false},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.path);
        const fs::path p = prefix / e.path;
        ASSERT_TRUE(fs::is_regular_file(p));
        EXPECT_EQ((fs::status(p).permissions() & fs::perms::owner_exec) != fs::perms::none, e.executable);
    }
}

// Whatever the build puts next to the binaries (form control files,
// pictures, examples, ...) is in the installed program folder too.
TEST_F(InstalledTree, ProgramFolderHoldsEveryShippedDataFile)
{
    const fs::path data = fs::path(RUVEK_SOURCE_DIR) / "data";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(data)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        const fs::path installed = programFolder() / fs::relative(entry.path(), data);
        SCOPED_TRACE(installed.string());
        ASSERT_TRUE(fs::is_regular_file(installed));
        EXPECT_EQ(fs::file_size(installed), entry.file_size());
    }
    EXPECT_GT(files, 20);   // the form control files and the examples at least
}

TEST_F(InstalledTree, DesktopEntryAndMetainfoPassTheirValidators)
{
    if (!haveTool("desktop-file-validate") || !haveTool("appstreamcli"))
        GTEST_SKIP() << "desktop-file-validate or appstreamcli not installed (desktop-file-utils, appstream)";
    const auto desktop = run("desktop-file-validate " + shellQuoted(prefix / "share/applications/de.ruvek.Ruvek.desktop"));
    EXPECT_EQ(desktop.exitCode, 0) << desktop.text;
    const auto metainfo =
        run("appstreamcli validate --no-net " + shellQuoted(prefix / "share/metainfo/de.ruvek.Ruvek.metainfo.xml"));
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.text;
}

// The install registers the class-file type for the prefix, and the desktop
// entry as the program that opens it.
TEST_F(InstalledTree, ClassFilesAreRegisteredForTheProgram)
{
    if (!haveTool("update-mime-database") || !haveTool("update-desktop-database"))
        GTEST_SKIP() << "update-mime-database or update-desktop-database not installed";
    const std::string globs = readText(prefix / "share/mime/globs2");
    EXPECT_NE(globs.find("application/x-ruvek-klasse:*.rvk"), std::string::npos) << globs;
    EXPECT_NE(readText(prefix / "share/mime/application/x-ruvek-klasse.xml").find("Ruvek-Klassendatei"),
              std::string::npos);
    EXPECT_NE(readText(prefix / "share/applications/mimeinfo.cache")
                  .find("application/x-ruvek-klasse=de.ruvek.Ruvek.desktop;"),
              std::string::npos);
}

// An installation the user owns is the program folder itself.
TEST_F(InstalledTree, LauncherRunsAnOwnInstallationInPlace)
{
    const auto shown = cliShowExample();
    EXPECT_EQ(shown.exitCode, 0) << shown.text;
    EXPECT_FALSE(fs::exists(xdgData / "ruvek"));
}

// An installation for all users (not the user's, not writable) stays
// untouched: the user's own program folder gets the shipped files and
// holds the settings the programs read.
TEST_F(InstalledTree, LauncherGivesEachUserAProgramFolderOfTheirOwn)
{
    const std::string foreign = geteuid() == 0 ? "chown -R 65534:65534 " : "chmod -R a-w ";
    ASSERT_EQ(run(foreign + shellQuoted(programFolder())).exitCode, 0);

    const auto first = cliShowExample();
    ASSERT_EQ(first.exitCode, 0) << first.text;
    const fs::path own = xdgData / "ruvek";
    for (const char* shipped : {"Anl001.FST", "Anl04a.FST", "examples/Beispielklasse.RVK"})
        EXPECT_TRUE(fs::is_regular_file(own / shipped)) << shipped;
    for (const char* binary : {"ruvek", "ruvek-cli"})
        EXPECT_FALSE(fs::exists(own / binary)) << binary;

    // A file of the user's own folder is never replaced by the shipped one,
    // and the settings there are the ones read.
    std::ofstream(own / "Anl001.FST") << "angepasst";
    std::ofstream(own / "SCHEINST.DAT") << "x";
    const auto second = cliShowExample();
    EXPECT_EQ(readText(own / "Anl001.FST"), "angepasst");
    EXPECT_NE(second.text.find((own / "SCHEINST.DAT").string()), std::string::npos) << second.text;
    EXPECT_FALSE(fs::exists(programFolder() / "Daten"));
}
