#include "tools/robot/png.h"

#include <zlib.h>

#include <cstring>

namespace robot {

namespace {

void PutBigEndian32(std::vector<uint8_t>* out, uint32_t value) {
  out->push_back(static_cast<uint8_t>(value >> 24));
  out->push_back(static_cast<uint8_t>(value >> 16));
  out->push_back(static_cast<uint8_t>(value >> 8));
  out->push_back(static_cast<uint8_t>(value));
}

// Length, type, data and the CRC over type and data.
void PutChunk(std::vector<uint8_t>* out, const char type[4], const std::vector<uint8_t>& data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  size_t type_at = out->size();
  out->insert(out->end(), type, type + 4);
  out->insert(out->end(), data.begin(), data.end());
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, out->data() + type_at, static_cast<uInt>(4 + data.size()));
  PutBigEndian32(out, static_cast<uint32_t>(crc));
}

// Each row gets the filter "Sub" (each byte minus the byte one pixel to its
// left), which makes the flat areas of a screen compress to almost nothing.
std::vector<uint8_t> FilteredRows(const RgbImage& image) {
  const size_t row_bytes = static_cast<size_t>(image.width) * 3;
  std::vector<uint8_t> rows;
  rows.reserve((row_bytes + 1) * static_cast<size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* row = image.pixels.data() + row_bytes * static_cast<size_t>(y);
    rows.push_back(1);
    for (size_t i = 0; i < row_bytes; ++i)
      rows.push_back(static_cast<uint8_t>(row[i] - (i >= 3 ? row[i - 3] : 0)));
  }
  return rows;
}

}  // namespace

bool EncodePng(const RgbImage& image, std::vector<uint8_t>* png, std::string* error) {
  if (image.width <= 0 || image.height <= 0 || image.width > 65535 || image.height > 65535) {
    *error = "the picture has no usable size";
    return false;
  }
  if (image.pixels.size() != static_cast<size_t>(image.width) * image.height * 3) {
    *error = "the picture's pixels do not fill its size";
    return false;
  }
  std::vector<uint8_t> rows = FilteredRows(image);
  uLongf packed_size = compressBound(static_cast<uLong>(rows.size()));
  std::vector<uint8_t> packed(packed_size);
  if (compress2(packed.data(), &packed_size, rows.data(), static_cast<uLong>(rows.size()),
                Z_BEST_SPEED) != Z_OK) {
    *error = "zlib could not compress the picture";
    return false;
  }
  packed.resize(packed_size);

  std::vector<uint8_t> header;
  PutBigEndian32(&header, static_cast<uint32_t>(image.width));
  PutBigEndian32(&header, static_cast<uint32_t>(image.height));
  header.push_back(8);  // bits per sample
  header.push_back(2);  // colour type RGB
  header.push_back(0);  // deflate
  header.push_back(0);  // adaptive filtering
  header.push_back(0);  // no interlace

  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  png->assign(kSignature, kSignature + 8);
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return true;
}

}  // namespace robot
