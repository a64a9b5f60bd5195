#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "shell/media/clock.h"
#include "shell/media/input.h"

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

void FreshInput::SetUp() {
    media::resetClock(true, 1000);
    media::inputReset();
}

void FreshInput::TearDown() { media::inputReset(); }

}  // namespace testing_support
