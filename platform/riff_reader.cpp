#include "platform/riff_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

constexpr uint64_t kHeaderBytes = 8;  // id and size
constexpr uint64_t kFormTypeBytes = 4;

uint32_t LittleEndian32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

// Offset just past a chunk's data and its pad byte.
uint64_t ChunkEnd(uint64_t dataOffset, uint32_t size) { return dataOffset + size + (size & 1u); }

}  // namespace

RiffReader::~RiffReader() { close(); }

bool RiffReader::openFile(const char* path) {
  close();
  errorCode_ = 0;
  if (path == nullptr) {
    errorCode_ = RIFF_ERR_FILENOTFOUND;
    return false;
  }
  int fd;
  do {
    fd = ::open(path, O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    errorCode_ = errno == ENOENT ? RIFF_ERR_FILENOTFOUND : RIFF_ERR_CANNOTOPEN;
    return false;
  }
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    errorCode_ = RIFF_ERR_CANNOTOPEN;
    return false;
  }
  fd_ = fd;
  size_ = uint64_t(status.st_size);
  position_ = 0;
  open_ = true;
  return true;
}

bool RiffReader::openMemory(const uint8_t* data, int64_t size) {
  close();
  errorCode_ = 0;
  if (size < 0 || (data == nullptr && size != 0)) {
    errorCode_ = RIFF_ERR_CANNOTOPEN;
    return false;
  }
  memory_ = data;
  size_ = uint64_t(size);
  position_ = 0;
  open_ = true;
  return true;
}

void RiffReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  bufferOffset_ = 0;
  bufferLength_ = 0;
  memory_ = nullptr;
  size_ = 0;
  position_ = 0;
  open_ = false;
}

size_t RiffReader::readFile(uint64_t offset, uint8_t* out, size_t bytes) {
  size_t done = 0;
  while (done < bytes) {
    ssize_t got = ::pread(fd_, out + done, bytes - done, off_t(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += size_t(got);
  }
  return done;
}

size_t RiffReader::readAt(uint64_t offset, void* buffer, size_t bytes) {
  if (!open_ || offset >= size_) return 0;
  bytes = size_t(std::min<uint64_t>(bytes, size_ - offset));
  auto* out = static_cast<uint8_t*>(buffer);
  if (fd_ < 0) {
    if (bytes != 0) std::memcpy(out, memory_ + offset, bytes);
    return bytes;
  }
  bool inBuffer = offset >= bufferOffset_ && offset < bufferOffset_ + bufferLength_;
  if (!inBuffer && bytes < kBufferBytes) {
    bufferOffset_ = offset;
    bufferLength_ = readFile(offset, buffer_, kBufferBytes);
    inBuffer = bufferLength_ != 0;
  }
  size_t done = 0;
  if (inBuffer) {
    done = std::min<size_t>(bytes, bufferOffset_ + bufferLength_ - offset);
    std::memcpy(out, buffer_ + (offset - bufferOffset_), done);
  }
  return done + readFile(offset + done, out + done, bytes - done);
}

bool RiffReader::readHeader(uint64_t offset, uint32_t& id, uint32_t& size) {
  uint8_t header[kHeaderBytes];
  if (readAt(offset, header, sizeof header) != sizeof header) return false;
  id = LittleEndian32(header);
  size = LittleEndian32(header + 4);
  return true;
}

bool RiffReader::descendRiff(RiffChunk& chunk, uint32_t formType) {
  uint64_t offset = 0;
  while (offset + kHeaderBytes + kFormTypeBytes <= size_) {
    uint32_t id = 0, size = 0;
    if (!readHeader(offset, id, size)) return false;
    uint64_t dataOffset = offset + kHeaderBytes;
    if (id == FOURCC_RIFF) {
      uint8_t type[kFormTypeBytes];
      if (readAt(dataOffset, type, sizeof type) != sizeof type) return false;
      if (LittleEndian32(type) == formType) {
        chunk = RiffChunk{id, size, formType, dataOffset};
        position_ = dataOffset + kFormTypeBytes;
        return true;
      }
    }
    offset = ChunkEnd(dataOffset, size);
  }
  return false;
}

bool RiffReader::findChunk(RiffChunk& chunk, const RiffChunk& parent, uint32_t id) {
  // A parent claiming more than the stream holds ends with the stream.
  uint64_t parentEnd = std::min(parent.dataOffset + parent.cksize, size_);
  uint64_t offset =
      std::max(position_, parent.dataOffset + (parent.ckid == FOURCC_RIFF ? kFormTypeBytes : 0));
  while (offset + kHeaderBytes <= parentEnd) {
    uint32_t chunkId = 0, size = 0;
    if (!readHeader(offset, chunkId, size)) return false;
    uint64_t dataOffset = offset + kHeaderBytes;
    if (chunkId == id) {
      chunk = RiffChunk{chunkId, size, 0, dataOffset};
      position_ = dataOffset;
      return true;
    }
    offset = ChunkEnd(dataOffset, size);
  }
  return false;
}

void RiffReader::ascend(const RiffChunk& chunk) { position_ = ChunkEnd(chunk.dataOffset, chunk.cksize); }

size_t RiffReader::read(void* buffer, size_t bytes) {
  size_t got = readAt(position_, buffer, bytes);
  position_ += got;
  return got;
}

uint64_t RiffReader::bytesAvailable(const RiffChunk& chunk) const {
  return chunk.dataOffset < size_ ? size_ - chunk.dataOffset : 0;
}

}  // namespace platform
