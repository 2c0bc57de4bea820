#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

// A fresh folder standing for the executable's, with empty dat/ and cg/, removed at the end.
class ExeFolder {
 public:
  ExeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zeru-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    std::filesystem::create_directory(root_ / "dat");
    std::filesystem::create_directory(root_ / "cg");
  }
  ~ExeFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  ExeFolder(const ExeFolder&) = delete;
  ExeFolder& operator=(const ExeFolder&) = delete;

  const std::filesystem::path& path() const { return root_; }

  // relative: a UTF-8 path below the folder, e.g. "dat/my.dat" or "結果.txt".
  std::filesystem::path file(std::string_view relative) const {
    return root_ / std::filesystem::u8path(relative);
  }

  void write(std::string_view relative, std::string_view bytes) const {
    std::ofstream out(file(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write test file " + std::string(relative));
  }

  std::string read(std::string_view relative) const {
    std::ifstream in(file(relative), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read test file " + std::string(relative));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  bool exists(std::string_view relative) const { return std::filesystem::exists(file(relative)); }

 private:
  std::filesystem::path root_;
};
