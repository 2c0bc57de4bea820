#pragma once

// The mixer's output defined one byte at a time, for comparison with the block mixer: at stream
// position p every open channel contributes the byte at p of the first node in its queue whose
// endPos lies above p, provided that node's startPos is not above p; the contributions are summed
// around 128 and clipped to 0..255 once; a position nobody contributes to holds 128.

#include <cstdint>
#include <vector>

#include "engine.h"

uint8_t ReferenceByte(const MixerSession& session, int32_t position);

// The bytes at positions start to start + length - 1.
std::vector<uint8_t> ReferenceBlock(const MixerSession& session, int32_t start, int32_t length);
