#include "game/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>
#include <system_error>

#include "game/cp932.h"
#include "game/game_error.h"

namespace {

constexpr char kEndOfFile = 26;
constexpr size_t kMaxNumberLength = 32;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string PathText(const std::filesystem::path& file) {
  std::string utf8 = file.string();
  return TryCp932FromUtf8(utf8).value_or(utf8);
}

[[noreturn]] void Fail(std::string_view what, const std::filesystem::path& file, int error) {
  throw GameError(Sjis(what) + ": " + PathText(file) + " (" + std::generic_category().message(error) + ")");
}

// Decimal only, optional sign, at least one digit, within 32 bits.
std::optional<int32_t> ParseDecimal(std::string_view token) {
  bool negative = false;
  if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
    negative = token.front() == '-';
    token.remove_prefix(1);
  }
  if (token.empty()) return std::nullopt;
  const int64_t limit =
      negative ? -int64_t{std::numeric_limits<int32_t>::min()} : std::numeric_limits<int32_t>::max();
  int64_t magnitude = 0;
  for (char c : token) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the result; the destructor then does nothing.
  int close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

}  // namespace

TextFileReader::TextFileReader(const std::filesystem::path& file) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) throw GameError(Sjis("ﾌｧｲﾙが見つかりません"));
    Fail("ファイルを読み込めません", file, errno);
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) Fail("ファイルを読み込めません", file, errno);
  if (S_ISDIR(info.st_mode)) Fail("ファイルを読み込めません", file, EISDIR);
  char buffer[65536];
  for (;;) {
    ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) Fail("ファイルを読み込めません", file, errno);
    if (count == 0) break;
    bytes_.append(buffer, static_cast<size_t>(count));
  }
  end_ = std::min(bytes_.find(kEndOfFile), bytes_.size());
}

void TextFileReader::skipLineBreak() {
  if (atEnd()) return;
  if (bytes_[pos_] == '\r') {
    ++pos_;
    if (!atEnd() && bytes_[pos_] == '\n') ++pos_;
  } else if (bytes_[pos_] == '\n') {
    ++pos_;
  }
}

std::string TextFileReader::readLine() {
  size_t start = pos_;
  while (!atEnd() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') ++pos_;
  std::string line = bytes_.substr(start, pos_ - start);
  skipLineBreak();
  return line;
}

int32_t TextFileReader::readNumber() {
  while (!atEnd() && IsBlank(bytes_[pos_])) ++pos_;
  if (atEnd()) return 0;
  size_t start = pos_;
  while (!atEnd() && !IsBlank(bytes_[pos_]) && pos_ - start < kMaxNumberLength) ++pos_;
  std::optional<int32_t> value = ParseDecimal(std::string_view(bytes_).substr(start, pos_ - start));
  if (!value) throw GameError(Sjis("入力値が数値ではありません"));
  readLine();
  return *value;
}

void TextFileWriter::line(std::string_view text) {
  bytes_ += text;
  bytes_ += "\r\n";
}

void TextFileWriter::line(int32_t value) { line(std::to_string(value)); }

void TextFileWriter::save(const std::filesystem::path& requested) const {
  constexpr std::string_view kCannotWrite = "ファイルに書き込めません";
  std::error_code ignored;
  // Writing through a link keeps the link.
  std::filesystem::path file = std::filesystem::is_symlink(requested, ignored)
                                   ? std::filesystem::weakly_canonical(requested, ignored)
                                   : requested;
  if (file.empty()) file = requested;

  std::optional<mode_t> keptMode;
  struct stat existing {};
  if (::stat(file.c_str(), &existing) == 0) {
    // A file we may not write stays as it is, as it would with writing in place.
    if (::access(file.c_str(), W_OK) != 0) Fail(kCannotWrite, file, errno);
    keptMode = existing.st_mode & 07777;
  }

  std::filesystem::path temporary = file;
  temporary += ".tmp";
  FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
  if (fd.get() < 0) Fail(kCannotWrite, temporary, errno);
  auto failAndRemove = [&](int error) {
    ::unlink(temporary.c_str());
    Fail(kCannotWrite, temporary, error);
  };
  if (keptMode && ::fchmod(fd.get(), *keptMode) != 0) failAndRemove(errno);
  std::string_view rest = bytes_;
  while (!rest.empty()) {
    ssize_t written = ::write(fd.get(), rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) failAndRemove(errno);
    rest.remove_prefix(static_cast<size_t>(written));
  }
  if (::fsync(fd.get()) != 0) failAndRemove(errno);
  if (fd.close() != 0) failAndRemove(errno);
  if (::rename(temporary.c_str(), file.c_str()) != 0) {
    int error = errno;
    ::unlink(temporary.c_str());
    Fail(kCannotWrite, file, error);
  }
  // Makes the rename itself survive a crash; a folder that cannot be synced changes nothing.
  std::filesystem::path folder = file.parent_path();
  FileDescriptor directory(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
}
