#pragma once
// Helpers shared by the unit tests.
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

}  // namespace testing_support
