#pragma once

#include <cstddef>
#include <cstdint>

// Our reader of RIFF files: chunks of a four-character id, a 32-bit little-endian size and that many
// data bytes, padded to an even length. Sizes come from the file and are never trusted: every
// read stops at the end of the stream, whatever a chunk claims.
namespace platform {

// A four-character code packed with its first character in the lowest byte, as RIFF stores it.
constexpr uint32_t MakeFourCC(char a, char b, char c, char d) {
  return uint32_t{uint8_t(a)} | uint32_t{uint8_t(b)} << 8 | uint32_t{uint8_t(c)} << 16 |
         uint32_t{uint8_t(d)} << 24;
}

constexpr uint32_t FOURCC_RIFF = MakeFourCC('R', 'I', 'F', 'F');

// Error codes left by a failed open.
constexpr uint32_t RIFF_ERR_FILENOTFOUND = 257;
constexpr uint32_t RIFF_ERR_CANNOTOPEN = 259;

struct RiffChunk {
  uint32_t ckid = 0;
  uint32_t cksize = 0;      // bytes of data as the chunk claims them, without the pad byte
  uint32_t fccType = 0;     // form type of a RIFF chunk, 0 for others
  uint64_t dataOffset = 0;  // stream offset of the data (for a RIFF chunk, of its form type)
};

class RiffReader {
 public:
  RiffReader() = default;
  RiffReader(const RiffReader&) = delete;
  RiffReader& operator=(const RiffReader&) = delete;
  ~RiffReader();

  // Opens a regular file for reading. On failure returns false and errorCode() tells why.
  bool openFile(const char* path);
  // Opens bytes that stay owned by the caller and must outlive the reader. A null buffer is an
  // empty stream when size is 0, a failure otherwise.
  bool openMemory(const uint8_t* data, int64_t size);
  void close();

  bool isOpen() const { return open_; }
  uint32_t errorCode() const { return errorCode_; }
  uint64_t size() const { return size_; }
  uint64_t position() const { return position_; }

  // Finds, among the top-level chunks from the start of the stream, a RIFF chunk of the given form
  // type, and places the stream after the form type (at its first sub-chunk).
  bool descendRiff(RiffChunk& chunk, uint32_t formType);
  // Finds, among the chunks from the current position to the end of parent, the first one with the
  // given id, and places the stream at its data.
  bool findChunk(RiffChunk& chunk, const RiffChunk& parent, uint32_t id);
  // Places the stream after the chunk and its pad byte.
  void ascend(const RiffChunk& chunk);

  // Reads at most bytes from the current position; returns the number read.
  size_t read(void* buffer, size_t bytes);
  // Bytes from the start of the chunk's data to the end of the stream.
  uint64_t bytesAvailable(const RiffChunk& chunk) const;

 private:
  bool readHeader(uint64_t offset, uint32_t& id, uint32_t& size);
  size_t readAt(uint64_t offset, void* buffer, size_t bytes);
  size_t readFile(uint64_t offset, uint8_t* out, size_t bytes);

  // Small reads of a file (chunk headers, the format) are served from one buffered window, so
  // walking the chunks costs one system call instead of one per header.
  static constexpr size_t kBufferBytes = 4096;
  uint8_t buffer_[kBufferBytes];
  uint64_t bufferOffset_ = 0;
  size_t bufferLength_ = 0;

  bool open_ = false;
  uint32_t errorCode_ = 0;
  const uint8_t* memory_ = nullptr;
  int fd_ = -1;
  uint64_t size_ = 0;
  uint64_t position_ = 0;
};

}  // namespace platform
