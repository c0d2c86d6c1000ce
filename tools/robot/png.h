// A PNG encoder for 8-bit RGB pictures: signature, IHDR, one IDAT holding the
// zlib stream of the filtered rows, IEND; chunk CRCs from zlib.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace robot {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // rows top to bottom, 3 bytes (R, G, B) a pixel
};

// The PNG file of the picture; false with *error when the picture is empty or
// its pixels do not fill width x height, or when compression fails.
bool EncodePng(const RgbImage& image, std::vector<uint8_t>* png, std::string* error);

}  // namespace robot
