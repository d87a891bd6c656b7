// Saves killed at random moments: a child process saves large phone books
// or settings files over and over and is killed with SIGKILL; the file is
// then always one complete version, and the next save leaves nothing of
// the killed ones behind.

#include "phonebook/fileaccess.h"
#include "phonebook/phonebookfile.h"
#include "settings/profilefile.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct SaveCase {
    const char* name;
    const char* fileName;
    // Saves version 0 or 1 of the file at path (the settings file keeps the
    // rest of its content, as the program's writes do).
    std::function<void(const std::string& path, int version)> save;
};

std::string FullPhoneBook(int version)
{
    phonebook::PhoneBook book;
    for (int slot = 0; slot < phonebook::PhoneSlotCount; ++slot)
        book.numbers[slot] = "+" + std::to_string(370'000'000'000 + slot * 7 + version);
    book.relayTimeout = static_cast<std::uint16_t>(500 + version);
    book.externalOff = version == 1;
    return phonebook::EncodePhoneBook(book);
}

const SaveCase Cases[] = {
    {"phoneBook", "book.kalc",
        [](const std::string& path, int version) { phonebook::WriteFileAtomically(path, FullPhoneBook(version)); }},
    {"settingsFile", "qem.INI",
        [](const std::string& path, int version) {
            settings::ProfileFile(path).Write("PortSettings", "current_file",
                std::string(4000, version == 0 ? 'a' : 'b') + ".kalc");
        }},
};

class SaveCrashTest : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveCrashTest, killedSaveLeavesOneCompleteVersionAndNoTemporary)
{
    const SaveCase& save = GetParam();
    // In memory where possible: a kill cannot interrupt a flush to disk, and
    // the moment of the kill, not the disk, is what is being tested.
    TempDir dir(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path());
    const std::string path = dir / save.fileName;
    // A settings file far larger than the program's own, so that a kill
    // can land inside the write.
    WriteBytes(path, "[Junk]\n" + std::string(30'000, 'x') + "\n[PortSettings]\nport=COM1\n");
    std::string versions[2];
    for (int v : {0, 1}) {
        save.save(path, v);
        versions[v] = ReadBytes(path);
    }

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMicroseconds(0, 600);
    int kills = 0;
    for (int round = 0; round < 150; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int v = 0;; v ^= 1)
                save.save(path, v);
        }
        // The moment of the kill is what is being varied, not a wait for a result.
        std::this_thread::sleep_for(std::chrono::microseconds(killAfterMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        kills += WIFSIGNALED(status) ? 1 : 0;
        const std::string now = ReadBytes(path);
        ASSERT_TRUE(now == versions[0] || now == versions[1]) << "round " << round << ": " << now.size() << " bytes";
    }
    EXPECT_EQ(kills, 150);

    save.save(path, 0);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{save.fileName});
    EXPECT_EQ(ReadBytes(path), versions[0]);
}

INSTANTIATE_TEST_SUITE_P(Saves, SaveCrashTest, testing::ValuesIn(Cases),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

} // namespace
