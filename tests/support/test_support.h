#pragma once
// Helpers shared by the unit tests.
#include <gtest/gtest.h>

#include <string>

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

// A test that feeds the input layer by hand: the virtual clock from 1000 ms,
// and no key, button or typed letter left over before it or after it.
class FreshInput : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace testing_support
