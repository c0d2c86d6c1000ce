// Captures the trace written while it lives into a log file of its own, with
// the given level mask; Text() ends the capture and returns the log.
#pragma once

#include <cstdint>
#include <string>

class TRACECAPTURE {
 public:
  explicit TRACECAPTURE(std::uint32_t levelMask);
  ~TRACECAPTURE();
  TRACECAPTURE(const TRACECAPTURE&) = delete;
  TRACECAPTURE& operator=(const TRACECAPTURE&) = delete;

  std::string Text();
  bool Contains(const std::string& text);

 private:
  void Close();
  std::string Path;
  std::string Log;
  bool Open = true;
};
