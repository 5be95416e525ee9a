#pragma once

// The GB18030 tables, made from the system's converter while building
// (gb18030_decoder_tablegen writes their definitions).
namespace platform::gb18030 {

// Every double-byte code: leads 81-FE, each with trails 40-7E and 80-FE.
inline constexpr int kDoubleByteCount = 126 * 190;
// The four-byte codes of the Basic Multilingual Plane: 81 30 81 30 to 84 31 A4 39.
inline constexpr int kFourByteBmpCount = 39420;

extern const char16_t kDoubleByte[kDoubleByteCount];
// 0 where a four-byte code is not one character of the Plane.
extern const char16_t kFourByteBmp[kFourByteBmpCount];

}  // namespace platform::gb18030
