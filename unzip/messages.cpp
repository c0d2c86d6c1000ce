#include "unzip/messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace UNZIP {
namespace {

void StandardStreams(int stream, const char* text, size_t n) {
  std::FILE* f = stream == kStderr ? stderr : stdout;
  std::fwrite(text, 1, n, f);
  std::fflush(f);
}

char StandardInput(const char*) {
  char line[16];
  if (std::fgets(line, sizeof line, stdin) == nullptr) return 0;
  return line[0];
}

MessageSink g_sink = StandardStreams;
ConsoleAnswerer g_answerer = StandardInput;

}  // namespace

void SetMessageSink(MessageSink sink) { g_sink = sink ? sink : StandardStreams; }
void SetConsoleAnswerer(ConsoleAnswerer answerer) { g_answerer = answerer ? answerer : StandardInput; }

void Say(int stream, const char* format, ...) {
  char text[1024];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (n < 0) return;
  size_t len = static_cast<size_t>(n) < sizeof text ? static_cast<size_t>(n) : sizeof text - 1;
  g_sink(stream, text, len);
}

void SayBytes(const void* data, size_t n) { g_sink(kStdout, static_cast<const char*>(data), n); }

bool AskConsole(const char* prompt, const char* yes) {
  g_sink(kStderr, prompt, std::strlen(prompt));
  char answer = g_answerer(prompt);
  return answer != 0 && std::strchr(yes, answer) != nullptr;
}

}  // namespace UNZIP
