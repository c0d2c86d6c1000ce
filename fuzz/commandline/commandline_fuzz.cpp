// The command line on any bytes: split as the frame splits it and put into
// the argument table, then looked up. No crash, no more than 127 arguments,
// every argument a piece of the line, and the lookups agree with each other.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "foundation/args.h"
#include "foundation/log.h"

namespace {

int Quiet(const ASSERTIONREPORT&) { return 1; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetAssertionSink(Quiet);
  std::vector<char> line(data, data + size);
  line.push_back(0);
  const char* begin = line.data();
  const char* end = begin + std::strlen(begin);

  char* argv[ARGUMENT_TABLE_SIZE] = {};
  int argc = SplitCommandLine(line.data(), argv, ARGUMENT_MAX);
  if (argc < 0 || argc > ARGUMENT_MAX) std::abort();
  ClearArguments();
  for (int i = 0; i < argc; ++i) {
    if (argv[i] < begin || argv[i] > end) std::abort();
    if (!AddArgument(argv[i])) std::abort();
  }
  if (ArgumentCount() != argc || ArgumentTable[ARGUMENT_MAX].Buffer != nullptr) std::abort();

  for (const char* name : {"REMOVE", "ORDER", "LANG", "AUTODIR", "L", ""}) {
    if (TestArg(name) && !TestArgValue(name, 0)) std::abort();
    for (int index = 0; index < 3; ++index) {
      STRING value = GetArgValue(name, index);
      if (!TestArgValue(name, index) && value.Buffer != nullptr) std::abort();
    }
  }
  ClearArguments();
  return 0;
}
