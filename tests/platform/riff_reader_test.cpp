// The RIFF reader over memory images and files built in the test.

#include "platform/riff_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using platform::MakeFourCC;
using platform::RiffChunk;
using platform::RiffReader;
using Bytes = std::vector<uint8_t>;

const uint32_t kWave = MakeFourCC('W', 'A', 'V', 'E');
const uint32_t kFmt = MakeFourCC('f', 'm', 't', ' ');
const uint32_t kData = MakeFourCC('d', 'a', 't', 'a');

void Append32(Bytes& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(value >> shift));
}

// A chunk whose size field says claimed bytes, followed by data and a pad byte when data is odd.
Bytes Chunk(const char* id, const Bytes& data, uint32_t claimed) {
  Bytes out(id, id + 4);
  Append32(out, claimed);
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() % 2) out.push_back(0);
  return out;
}
Bytes Chunk(const char* id, const Bytes& data) { return Chunk(id, data, uint32_t(data.size())); }

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes Riff(const char* form, const Bytes& chunks) {
  return Chunk("RIFF", Join({Bytes(form, form + 4), chunks}));
}

TEST(RiffReader, FourCharacterCodesKeepTheFirstCharacterInTheLowestByte) {
  EXPECT_EQ(MakeFourCC('R', 'I', 'F', 'F'), 0x46464952u);
  EXPECT_EQ(kFmt, 0x20746D66u);
}

TEST(RiffReader, WalksFormatThenDataAcrossOddSizedChunks) {
  Bytes image = Riff("WAVE", Join({Chunk("LIST", {1, 2, 3}), Chunk("fmt ", {10, 11, 12, 13, 14}),
                                   Chunk("junk", {}), Chunk("data", {7, 8, 9})}));
  RiffReader reader;
  ASSERT_TRUE(reader.openMemory(image.data(), int64_t(image.size())));
  RiffChunk riff, fmt, data;
  ASSERT_TRUE(reader.descendRiff(riff, kWave));
  EXPECT_EQ(riff.fccType, kWave);
  EXPECT_EQ(riff.dataOffset, 8u);
  ASSERT_TRUE(reader.findChunk(fmt, riff, kFmt));
  EXPECT_EQ(fmt.cksize, 5u);
  uint8_t two[2];
  ASSERT_EQ(reader.read(two, 2), 2u);
  EXPECT_EQ(two[0], 10);
  reader.ascend(fmt);
  ASSERT_TRUE(reader.findChunk(data, riff, kData));
  EXPECT_EQ(data.cksize, 3u);
  uint8_t three[3];
  ASSERT_EQ(reader.read(three, 3), 3u);
  EXPECT_EQ(Bytes(three, three + 3), (Bytes{7, 8, 9}));
}

TEST(RiffReader, SearchesOnlyForwardFromTheCurrentChunk) {
  Bytes image = Riff("WAVE", Join({Chunk("data", {1, 2}), Chunk("fmt ", Bytes(16, 0))}));
  RiffReader reader;
  ASSERT_TRUE(reader.openMemory(image.data(), int64_t(image.size())));
  RiffChunk riff, fmt, data;
  ASSERT_TRUE(reader.descendRiff(riff, kWave));
  ASSERT_TRUE(reader.findChunk(fmt, riff, kFmt));
  reader.ascend(fmt);
  EXPECT_FALSE(reader.findChunk(data, riff, kData));
}

TEST(RiffReader, FindsTheWaveFormAmongTopLevelChunks) {
  Bytes image =
      Join({Riff("AVI ", Chunk("data", {1})), Chunk("JUNK", {0}), Riff("WAVE", Chunk("fmt ", {5}))});
  RiffReader reader;
  ASSERT_TRUE(reader.openMemory(image.data(), int64_t(image.size())));
  RiffChunk riff, fmt;
  ASSERT_TRUE(reader.descendRiff(riff, kWave));
  ASSERT_TRUE(reader.findChunk(fmt, riff, kFmt));

  Bytes other = Riff("AVI ", Chunk("fmt ", {5}));
  ASSERT_TRUE(reader.openMemory(other.data(), int64_t(other.size())));
  EXPECT_FALSE(reader.descendRiff(riff, kWave));
}

TEST(RiffReader, ChunksOutsideTheirParentAreNotFound) {
  Bytes chunks = Join({Chunk("fmt ", {1, 2}), Chunk("data", {3, 4})});
  // The RIFF chunk claims only its form type and the format chunk.
  Bytes image = Chunk("RIFF", Join({Bytes{'W', 'A', 'V', 'E'}, chunks}), 4 + 10);
  RiffReader reader;
  ASSERT_TRUE(reader.openMemory(image.data(), int64_t(image.size())));
  RiffChunk riff, fmt, data;
  ASSERT_TRUE(reader.descendRiff(riff, kWave));
  ASSERT_TRUE(reader.findChunk(fmt, riff, kFmt));
  reader.ascend(fmt);
  EXPECT_FALSE(reader.findChunk(data, riff, kData));
}

TEST(RiffReader, ClaimedSizesBeyondTheStreamAreNeverTrusted) {
  // The RIFF chunk and the data chunk both claim about 4 GiB; a chunk claiming that much ends the search.
  Bytes image = Join({Chunk("RIFF", Bytes{'W', 'A', 'V', 'E'}, 0xFFFFFFFF),
                      Chunk("data", {1, 2, 3, 4}, 0xFFFFFFF0), Chunk("fmt ", {})});
  RiffReader reader;
  ASSERT_TRUE(reader.openMemory(image.data(), int64_t(image.size())));
  RiffChunk riff, data, fmt;
  ASSERT_TRUE(reader.descendRiff(riff, kWave));
  ASSERT_TRUE(reader.findChunk(data, riff, kData));
  EXPECT_EQ(data.cksize, 0xFFFFFFF0u);
  EXPECT_EQ(reader.bytesAvailable(data), 4u + 8u);
  uint8_t buffer[64];
  EXPECT_EQ(reader.read(buffer, sizeof buffer), 12u);
  EXPECT_EQ(reader.read(buffer, sizeof buffer), 0u);
  reader.ascend(data);
  EXPECT_FALSE(reader.findChunk(fmt, riff, kFmt));
}

TEST(RiffReader, ShortStreamsFindNothing) {
  Bytes truncated = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'};
  RiffReader reader;
  RiffChunk riff;
  ASSERT_TRUE(reader.openMemory(truncated.data(), int64_t(truncated.size())));
  EXPECT_FALSE(reader.descendRiff(riff, kWave));
  ASSERT_TRUE(reader.openMemory(nullptr, 0));
  EXPECT_FALSE(reader.descendRiff(riff, kWave));
}

TEST(RiffReader, RefusesMemoryThatIsNotThere) {
  RiffReader reader;
  EXPECT_FALSE(reader.openMemory(nullptr, 10));
  EXPECT_EQ(reader.errorCode(), platform::RIFF_ERR_CANNOTOPEN);
  uint8_t byte = 0;
  EXPECT_FALSE(reader.openMemory(&byte, -1));
  EXPECT_FALSE(reader.isOpen());
}

class RiffReaderFile : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/riff_reader_testXXXXXX";
    int fd = mkstemp(pattern);
    ASSERT_GE(fd, 0);
    ::close(fd);
    path_ = pattern;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void Write(const Bytes& bytes) {
    FILE* file = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  std::string path_;
};

TEST_F(RiffReaderFile, ReadsTheSameAsMemory) {
  Write(Riff("WAVE", Join({Chunk("fmt ", {1, 2, 3}), Chunk("data", {4, 5, 6, 7})})));
  RiffReader reader;
  ASSERT_TRUE(reader.openFile(path_.c_str()));
  RiffChunk riff, fmt, data;
  ASSERT_TRUE(reader.descendRiff(riff, kWave));
  ASSERT_TRUE(reader.findChunk(fmt, riff, kFmt));
  reader.ascend(fmt);
  ASSERT_TRUE(reader.findChunk(data, riff, kData));
  uint8_t buffer[8];
  ASSERT_EQ(reader.read(buffer, sizeof buffer), 4u);
  EXPECT_EQ(Bytes(buffer, buffer + 4), (Bytes{4, 5, 6, 7}));
}

// Headers that straddle the reader's 4096-byte window, and a data chunk larger than it.
TEST_F(RiffReaderFile, ReadsAcrossItsBufferAsMemoryDoes) {
  Bytes data(10001);
  for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t(i * 7 + i / 256);
  Bytes image =
      Riff("WAVE", Join({Chunk("JUNK", Bytes(4071, 1)), Chunk("fmt ", Bytes(4000, 2)), Chunk("data", data)}));
  Write(image);
  RiffReader fromFile, fromMemory;
  ASSERT_TRUE(fromFile.openFile(path_.c_str()));
  ASSERT_TRUE(fromMemory.openMemory(image.data(), int64_t(image.size())));
  for (RiffReader* reader : {&fromFile, &fromMemory}) {
    RiffChunk riff, fmt, chunk;
    ASSERT_TRUE(reader->descendRiff(riff, kWave));
    ASSERT_TRUE(reader->findChunk(fmt, riff, kFmt));
    EXPECT_EQ(fmt.dataOffset, 12u + 8u + 4072u + 8u);
    uint8_t first[3];
    ASSERT_EQ(reader->read(first, 3), 3u);
    EXPECT_EQ(first[2], 2);
    reader->ascend(fmt);
    ASSERT_TRUE(reader->findChunk(chunk, riff, kData));
    Bytes got(data.size() + 5);
    ASSERT_EQ(reader->read(got.data(), got.size()), data.size() + 1);  // with the pad byte
    got.resize(data.size());
    EXPECT_EQ(got, data);
  }
}

TEST_F(RiffReaderFile, FailsOnMissingFilesAndFolders) {
  RiffReader reader;
  EXPECT_FALSE(reader.openFile((path_ + ".missing").c_str()));
  EXPECT_EQ(reader.errorCode(), platform::RIFF_ERR_FILENOTFOUND);
  EXPECT_FALSE(reader.openFile("/tmp"));
  EXPECT_EQ(reader.errorCode(), platform::RIFF_ERR_CANNOTOPEN);
  EXPECT_FALSE(reader.openFile(nullptr));
}

}  // namespace
