#include "tools/robot/screenshot.h"

#include <windows.h>

namespace robot {

namespace {

// GDI objects of one capture, released in reverse order.
struct Capture {
  HDC screen = nullptr;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  ~Capture() {
    if (previous) SelectObject(memory, previous);
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    if (screen) ReleaseDC(nullptr, screen);
  }
};

}  // namespace

bool CaptureScreen(RgbImage* image, std::string* error) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) {
    *error = "the system reports no screen";
    return false;
  }
  Capture c;
  c.screen = GetDC(nullptr);
  c.memory = c.screen ? CreateCompatibleDC(c.screen) : nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  if (c.memory)
    c.bitmap = CreateDIBSection(c.screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!c.bitmap || !bits) {
    *error = "GDI gave no bitmap for the screen";
    return false;
  }
  c.previous = SelectObject(c.memory, c.bitmap);
  if (!BitBlt(c.memory, 0, 0, width, height, c.screen, left, top, SRCCOPY | CAPTUREBLT)) {
    *error = "copying the screen failed (GetLastError " + std::to_string(GetLastError()) + ")";
    return false;
  }
  GdiFlush();

  // The DIB holds B, G, R, unused per pixel.
  image->width = width;
  image->height = height;
  image->pixels.resize(static_cast<size_t>(width) * height * 3);
  const uint8_t* from = static_cast<const uint8_t*>(bits);
  uint8_t* to = image->pixels.data();
  for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
    to[3 * i + 0] = from[4 * i + 2];
    to[3 * i + 1] = from[4 * i + 1];
    to[3 * i + 2] = from[4 * i + 0];
  }
  return true;
}

}  // namespace robot
