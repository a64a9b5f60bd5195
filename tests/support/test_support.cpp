#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "app/game_objects.h"
#include "gui/keyboard_focus.h"
#include "quest/profile_manager.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/language.h"
#include "shell/media/clock.h"
#include "shell/media/input.h"
#include "shell/save_folder.h"
#include "sound/my_sound.h"

namespace testing_support {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornell-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    path_ = made ? made : pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string contentDir() {
    const char* dir = std::getenv("VORNELL_TEST_CONTENT_DIR");
    return dir ? dir : "";
}

InContentDir::InContentDir() {
    char here[4096];
    if (!getcwd(here, sizeof here)) return;
    previous_ = here;
    const std::string content = contentDir();
    ok_ = !content.empty() && chdir(content.c_str()) == 0;
}

InContentDir::~InContentDir() {
    if (ok_ && chdir(previous_.c_str()) != 0) std::abort();
}

void resetGlobalState() {
    TProfileManager& players = objects().profileManager;
    players.profile = nullptr;
    players.clicked = nullptr;
    players.overed = nullptr;
    players.profilesList.clear();
    players.loaded = false;
    saveFolder.clear();

    media::inputReset();
    TMouse& mouse = objects().mouse;
    mouse.clear();
    mouse.x = mouse.y = mouse.px = mouse.py = mouse.vx = mouse.vy = 0;
    mouse.middleHit = mouse.middleHold = 0;
    mouse.show();
    showKeyboardFocus(false);

    media::resetClock(false, 1000);
    delta = 1.0f;
    TMySound::volume = 1.0f;
    TMyMusic::volume = 1.0f;
    language::use(language::kEnglish);
}

void FreshInput::SetUp() {
    resetGlobalState();
    media::resetClock(true, 1000);
}

void FreshInput::TearDown() { resetGlobalState(); }

void FreshInput::press(int key) {
    media::inputKeyDown(key);
    media::inputKeyUp(key);
}

void ScreenTest::SetUp() {
    FreshInput::SetUp();
    if (!here_.ok()) GTEST_FAIL() << kNoContent;
    if (!fonts.font_font16) fonts.load();
    objects().teksty.setup();
}

TMouse& ScreenTest::mouse() { return objects().mouse; }

}  // namespace testing_support
