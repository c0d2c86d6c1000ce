// Where the engine's messages go. The engine writes them to the standard
// output and error streams (the installer never shows either); a sink set
// here receives them instead, so that tests and front ends can read them.
// The console questions of the engine ("Continue? (y/n/^C)") are answered by
// an answerer: by default a line read from standard input, which a process
// without a console cannot give, so the answer is then "no".
#pragma once

#include <cstddef>

namespace UNZIP {

enum MessageStream { kStdout = 1, kStderr = 2 };

using MessageSink = void (*)(int stream, const char* text, size_t n);
// The first character of the answer to `prompt` (already shown through the
// sink); 0 when there is none.
using ConsoleAnswerer = char (*)(const char* prompt);

// Null restores the standard streams / standard input.
void SetMessageSink(MessageSink sink);
void SetConsoleAnswerer(ConsoleAnswerer answerer);

// printf-style message to a stream.
void Say(int stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Raw bytes to standard output (extraction to the screen, -c and -p).
void SayBytes(const void* data, size_t n);
// Shows `prompt` and asks the console; true for an answer beginning with one
// of the characters of `yes`.
bool AskConsole(const char* prompt, const char* yes);

}  // namespace UNZIP
