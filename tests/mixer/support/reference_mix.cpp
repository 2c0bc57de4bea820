#include "support/reference_mix.h"

#include <algorithm>

uint8_t ReferenceByte(const MixerSession& session, int32_t position) {
  int sum = 128;
  for (MixerChannel head : session.channels) {
    if (IsClosed(head)) continue;
    const PlayNode* node = head;
    while (node && node->endPos <= position) node = node->next;
    if (!node || node->startPos > position) continue;
    const int64_t offset = (int64_t{position} - node->startPos) % node->length;
    sum += node->samples[offset] - 128;
  }
  return static_cast<uint8_t>(std::clamp(sum, 0, 255));
}

std::vector<uint8_t> ReferenceBlock(const MixerSession& session, int32_t start, int32_t length) {
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  for (int32_t i = 0; i < length; ++i) bytes[i] = ReferenceByte(session, start + i);
  return bytes;
}
