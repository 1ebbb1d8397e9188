#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "framework/utf8.h"

class TScratchFolder {
public:
  TScratchFolder() {
    std::random_device random;
    do {
      FPath = std::filesystem::temp_directory_path() / ("tamarind-unit-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(FPath));
  }
  ~TScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(FPath, ignored);
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;

  std::filesystem::path operator/(const std::string& name) const { return FPath / name; }
  // The path of `name` inside, as the program's wide text.
  std::wstring Wide(const std::string& name) const { return FromUtf8((FPath / name).string()); }

  static std::string Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  static void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

private:
  std::filesystem::path FPath;
};
