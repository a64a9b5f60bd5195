#pragma once
// Helpers shared by the unit tests.
#include <gtest/gtest.h>

#include <string>

#include "gui/mouse.h"

namespace testing_support {

// A fresh empty folder under the system's temporary folder, removed when the
// object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
// The generated working folder, from VORNELL_TEST_CONTENT_DIR ("" when unset).
std::string contentDir();
// What a test that needs the generated working folder says without it: it
// fails rather than skips, so content that was never built cannot pass.
inline constexpr const char* kNoContent =
    "no generated working folder: VORNELL_TEST_CONTENT_DIR must name one (build/game)";

// Runs the test in the generated working folder, as the game runs, and goes
// back to the previous folder afterwards.
class InContentDir {
public:
    InContentDir();
    ~InContentDir();
    InContentDir(const InContentDir&) = delete;
    InContentDir& operator=(const InContentDir&) = delete;
    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};

// Puts back every piece of process-wide state the unit tests change, as the
// test program starts with it: no current, clicked or listed player and the
// profiles unread; no save folder; nothing pressed, held or typed, with the
// pointer and the game's mouse at the corner and the pointer shown; the real
// clock; frame factor 1; full volume for effects and music; the keyboard
// focus hidden; English. A fixture calls
// it before a test, so nothing is inherited, and after it, so a player or a
// save folder that lived in the test is not left behind.
void resetGlobalState();

// A test that feeds the input layer by hand: every global put back, then the
// virtual clock from 1000 ms; put back again afterwards.
class FreshInput : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A key pressed and let go between two frames.
    static void press(int key);
};

// A test of one of the game's screens on its real layouts and pictures: as
// FreshInput, in the generated working folder (without one the test fails,
// it is never skipped), with the game's fonts and texts loaded, as the game
// loads them before its first screen. A fixture with set-up of its own
// starts with
//     ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
// so that it goes no further when the working folder is missing.
class ScreenTest : public FreshInput {
protected:
    void SetUp() override;

    static TMouse& mouse();

private:
    InContentDir here_;
};

}  // namespace testing_support
