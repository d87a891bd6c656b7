// Where the settings file and the default phone book live: beside a program
// run from its folder, with the user for an installed one.
#include "settings/profilefile.h"
#include "settings/programsettings.h"

#include "tests/support/tempdir.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

// Sets (or with nullopt unsets) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value)
        : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        Set(value);
    }
    ~ScopedEnv() { Set(old_); }

private:
    void Set(const std::optional<std::string>& value)
    {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

struct LocationCase {
    const char* name;
    std::string program;                             // below the test folder unless absolute
    std::optional<std::string> configHome, dataHome; // below the test folder unless absolute
    std::string settings, phoneBook;                 // expected, below the test folder
};

TEST(LocateFiles, besideTheProgramUnlessInstalled)
{
    const LocationCase cases[] = {
        {"build folder", "build/app/qem", {}, {}, "build/app/qem.INI", "build/app/qem.kalc"},
        // An unpacked package keeps its files beside it, whatever its folder is called.
        {"unpacked folder", "qem_1.0/usr/bin/qem", "cfg", "data", "qem_1.0/usr/bin/qem.INI",
            "qem_1.0/usr/bin/qem.kalc"},
        {"installed, XDG set", "/usr/bin/qem", "cfg", "data", "cfg/qem/qem.INI", "data/qem/qem.kalc"},
        {"installed, XDG unset", "/usr/local/bin/qem", {}, {}, "home/.config/qem/qem.INI",
            "home/.local/share/qem/qem.kalc"},
        // Relative XDG folders are not valid and are ignored.
        {"installed, XDG relative", "/usr/bin/qem", "relative", "relative", "home/.config/qem/qem.INI",
            "home/.local/share/qem/qem.kalc"},
        // /bin is /usr/bin on a merged-/usr system and a system folder on the others.
        {"installed in /bin", "/bin/qem", "cfg", {}, "cfg/qem/qem.INI", "home/.local/share/qem/qem.kalc"},
    };
    for (const LocationCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto inDir = [&](const std::optional<std::string>& path) -> std::optional<std::string> {
            if (!path || path->starts_with('/') || *path == "relative")
                return path;
            return dir / *path;
        };
        const ScopedEnv home("HOME", dir / "home");
        const ScopedEnv config("XDG_CONFIG_HOME", inDir(c.configHome));
        const ScopedEnv data("XDG_DATA_HOME", inDir(c.dataHome));

        const settings::FileLocations files = settings::LocateFiles(*inDir(c.program));
        EXPECT_EQ(files.SettingsPath, dir / c.settings);
        EXPECT_EQ(files.DefaultPhoneBookPath, dir / c.phoneBook);
        // The folders a program with the user needs are there; nothing is
        // made for one that keeps its files beside itself.
        EXPECT_EQ(fs::is_directory(fs::path(files.SettingsPath).parent_path()), c.program.starts_with('/'));
        EXPECT_EQ(fs::is_directory(fs::path(files.DefaultPhoneBookPath).parent_path()), c.program.starts_with('/'));
    }
}

TEST(LocateFiles, installedProgramStartsWithTheUsersFilesOnlyEvenAsRoot)
{
    // Root may write /usr/bin, but an installed program never does.
    if (geteuid() != 0)
        GTEST_LOG_(INFO) << "not root: the rule does not depend on who runs the program, checked all the same";
    TempDir dir;
    const ScopedEnv config("XDG_CONFIG_HOME", dir / "cfg");
    const ScopedEnv data("XDG_DATA_HOME", dir / "data");
    const bool hadSettings = fs::exists("/usr/bin/qem.INI");

    const settings::StartupSettings startup = settings::ReadStartupSettings(settings::LocateFiles("/usr/bin/qem"));

    EXPECT_EQ(startup.CurrentFile, dir / "data/qem/qem.kalc");
    EXPECT_EQ(ReadBytes(dir / "cfg/qem/qem.INI"),
        "[PortSettings]\ncurrent_file=" + (dir / "data/qem/qem.kalc")
            + "\nport=COM1\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate=2400\n");
    EXPECT_EQ(fs::exists("/usr/bin/qem.INI"), hadSettings);
    EXPECT_EQ(fs::status(dir / "cfg/qem").permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST(LocateFiles, uncreatableUserFolderFailsWhenTheSettingsAreWritten)
{
    TempDir dir;
    WriteBytes(dir / "cfg", "a file where the folder should be");
    const ScopedEnv config("XDG_CONFIG_HOME", dir / "cfg");
    const ScopedEnv data("XDG_DATA_HOME", dir / "data");
    const settings::FileLocations files = settings::LocateFiles("/usr/bin/qem");
    try {
        settings::ReadStartupSettings(files);
        FAIL() << "no WriteError";
    } catch (const settings::WriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + (dir / "cfg/qem/qem.INI"));
    }
}

} // namespace
