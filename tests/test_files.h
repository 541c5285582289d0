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
struct TempDir {
    TempDir() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    const std::filesystem::path& Path() const { return path; }
    std::string File(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        return WriteFile(path / name, bytes);
    }
    const std::filesystem::path path = TestFolder();
};

}  // namespace testing_files
