// Files of a test's own: a folder per test under the temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace testing_files {

// The running test's folder ("avc_Suite_Name"), created if need be.
inline std::filesystem::path TestFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    auto path = std::filesystem::temp_directory_path() /
                ("avc_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::create_directories(path);
    return path;
}

inline std::string WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return path.string();
}

// The folder, emptied at the start of the test and removed at its end.
class TempDir {
  public:
    TempDir() : path_(TestFolder()) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        return WriteFile(path_ / name, bytes);
    }

  private:
    std::filesystem::path path_;
};

}  // namespace testing_files
