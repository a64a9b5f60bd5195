// Where the saves go: the data folder of the account even without HOME, and
// no saving at all (said once) where no folder can be written.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "menus/settings.h"
#include "quest/profile_manager.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "test_support.h"

namespace {

using testing_support::TempDir;
using testing_support::writeFile;

// Sets or clears an environment variable for the test, then puts it back.
class Env {
public:
    Env(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~Env() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class SaveFolder : public ::testing::Test {
protected:
    void TearDown() override { saveFolder = previous; }
    std::string previous = saveFolder;
};

TEST_F(SaveFolder, WithoutHomeTheAccountsHomeFolderIsUsed) {
    const passwd* account = getpwuid(getuid());
    if (!account || !account->pw_dir || account->pw_dir[0] != '/') GTEST_SKIP() << "this account has no home";
    Env data("XDG_DATA_HOME", nullptr), home("HOME", nullptr);
    EXPECT_EQ(getSpecialFolder(), std::string(account->pw_dir) + "/.local/share");
    // A relative folder is no place for saves either.
    Env relative("XDG_DATA_HOME", "data"), emptyHome("HOME", "");
    EXPECT_EQ(getSpecialFolder(), std::string(account->pw_dir) + "/.local/share");
    Env given("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(getSpecialFolder(), "/srv/data");
}

TEST_F(SaveFolder, WhereNothingCanBeWrittenThePlayGoesOnUnsavedAndSaysSoOnce) {
    TempDir dir;
    // A file stands where the folder would have to be made.
    writeFile(dir.file("blocked"), "");
    Env place("VORNELL_SAVE_DIR", dir.file("blocked/Vornell").c_str());
    testing::internal::CaptureStdout();
    prepareSaveFolder();
    EXPECT_FALSE(canSave());
    EXPECT_EQ(saveFolder, "");

    TProfileManager manager;
    manager.loadProfiles();
    ASSERT_TRUE(manager.addProfile("Ada"));
    EXPECT_EQ(manager.saveProfile(), 0);
    EXPECT_EQ(manager.saveProfile(), 0);
    TSettings settings;
    EXPECT_EQ(settings.loadSettings(), 0);
    EXPECT_EQ(settings.saveSettings(), 0);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(said.find("NOTIFY"), said.rfind("NOTIFY")) << said;
    EXPECT_NE(said.find("NOTIFY"), std::string::npos) << said;
    EXPECT_EQ(FileType(dir.file("blocked/Vornell")), 0);
    EXPECT_EQ(FileType("/settings.dat"), 0);
    EXPECT_EQ(FileType("/profiles.dat"), 0);
}

}  // namespace
