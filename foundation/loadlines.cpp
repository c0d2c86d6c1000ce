// DYNARRAY::LoadLines: the lines of a text file, of any length.
#include "foundation/dynarray.h"
#include "foundation/textfile.h"

#include <memory>
#include <new>

int DYNARRAY::LoadLines(const char* fileName, bool unescape) {
  if (fileName == nullptr) return 0;
  OSYS::File::Handle file = OSYS::File::Open(fileName, OSYS::File::Access::Read, OSYS::File::Share::Read);
  if (file == nullptr) return 0;
  OSYS::File::CLOSER closer(file);
  TEXTREADER reader(file, true);
  CRITSECTLOCK hold(pLock);

  int stored = 0;
  STRING line(256);
  line.Make(0, nullptr);
  auto store = [&] {
    InsertAt(stored++, unescape ? line.Unescape(false) : line);
    line.Truncate(0);
  };
  // Threads of the system run on 32768-byte stacks: the piece buffer lives
  // on the heap.
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[32768]);
  if (buffer == nullptr) return 0;
  char* chunk = buffer.get();
  for (;;) {
    int n = reader.Read(chunk, 32766);
    if (n <= 0) break;
    int begin = 0;
    for (int i = 0; i < n; ++i) {
      if (chunk[i] != '\n') continue;
      line.Append(chunk + begin, i - begin);
      store();
      begin = i + 1;
    }
    line.Append(chunk + begin, n - begin);
    if (n < 32766) break;
  }
  if (line.StrLen > 0) store();
  return stored;
}
