#include "bmp_file.h"

#include <cstdint>
#include <vector>

#include "little_endian.h"
#include "whole_file.h"

namespace zeru::content {

bool WriteIndexedBmp(const QImage& indexed, const QString& path) {
  if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 256) return false;
  constexpr uint32_t kFileHeaderBytes = 14;
  constexpr uint32_t kInfoHeaderBytes = 40;
  constexpr uint32_t kTableBytes = 256 * 4;
  const uint32_t width = indexed.width();
  const uint32_t height = indexed.height();
  const uint32_t stride = (width + 3) & ~3u;  // rows are padded to 4 bytes
  const uint32_t pixel_offset = kFileHeaderBytes + kInfoHeaderBytes + kTableBytes;
  const uint32_t image_bytes = stride * height;

  std::vector<uint8_t> out;
  out.reserve(pixel_offset + image_bytes);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, pixel_offset + image_bytes);
  PutU32(out, 0);
  PutU32(out, pixel_offset);

  PutU32(out, kInfoHeaderBytes);
  PutU32(out, width);
  PutU32(out, height);  // positive: rows stored bottom-up
  PutU16(out, 1);       // planes
  PutU16(out, 8);       // bits per pixel
  PutU32(out, 0);       // no compression
  PutU32(out, image_bytes);
  PutU32(out, 2835);  // 72 dpi, in pixels per metre
  PutU32(out, 2835);
  PutU32(out, 256);
  PutU32(out, 0);

  const QList<QRgb> table = indexed.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
    out.push_back(qBlue(c));
    out.push_back(qGreen(c));
    out.push_back(qRed(c));
    out.push_back(0);
  }
  for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
    const uchar* row = indexed.constScanLine(y);
    out.insert(out.end(), row, row + width);
    out.insert(out.end(), stride - width, 0);
  }

  return SaveWholeFile(path, reinterpret_cast<const char*>(out.data()), static_cast<qint64>(out.size()));
}

}  // namespace zeru::content
