#pragma once

// Window positions are kept in twips in the settings files, as learners'
// files already hold them: 15 twips to a pixel at 96 dpi.
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace platform
