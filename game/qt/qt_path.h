#pragma once

#include <QString>
#include <filesystem>
#include <string>

inline QString QtPath(const std::filesystem::path& file) {
  std::u8string utf8 = file.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), static_cast<qsizetype>(utf8.size()));
}
