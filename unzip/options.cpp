#include "unzip/options.h"

#include <cstring>
#include "unzip/memory.h"
#include "unzip/messages.h"

namespace UNZIP {
namespace {

void Usage() {
  Say(kStderr,
      "usage: unzip [-lvtcpfuzqnoajUVs$] archive[.zip] [member ...] [-x member ...] [-d directory]\n"
      "  -l -v list (short, verbose)   -t test    -c -p extract to the screen\n"
      "  -f freshen  -u update  -n never overwrite  -o overwrite  -j junk paths\n"
      "  -q -qq quiet  -z archive comment  -U keep case  -V keep versions  -s blanks to _\n");
}

// One word of option letters; false for an unknown letter.
bool TakeLetters(const char* word, OPTIONS* o, bool* wants_directory) {
  for (const char* p = word + 1; *p; ++p) {
    switch (*p) {
      case 'l': o->list_short = true; break;
      case 'v': o->list_verbose = true; break;
      case 't': o->test = true; break;
      case 'c': case 'p': o->to_screen = true; break;
      case 'f': o->freshen = true; break;
      case 'u': o->update = true; break;
      case 'z': o->show_comment = true; break;
      case 'q': ++o->quiet; break;
      case 'n': o->never_overwrite = true; break;
      case 'o': o->overwrite = true; break;
      case 'a': ++o->text; break;
      case 'j': o->junk_paths = true; break;
      case 'U': o->keep_case = true; break;
      case 'V': o->keep_version = true; break;
      case 's': o->blanks_to_underscore = true; break;
      case '$': o->volume_labels = true; break;
      case 'd':
        if (p[1] != '\0') return false;
        *wants_directory = true;
        break;
      default: return false;
    }
  }
  return true;
}

}  // namespace

char** CopyWords(int argc, char** argv) {
  size_t bytes = sizeof(char*) * static_cast<size_t>(argc + 1);
  for (int i = 0; i < argc; ++i) bytes += std::strlen(argv[i]) + 1;
  char* block = static_cast<char*>(Allocate(bytes));
  if (block == nullptr) return nullptr;
  char** words = reinterpret_cast<char**>(block);
  char* text = block + sizeof(char*) * static_cast<size_t>(argc + 1);
  for (int i = 0; i < argc; ++i) {
    words[i] = text;
    for (const char* s = argv[i]; *s; ++s) *text++ = *s == '\\' ? '/' : *s;
    *text++ = '\0';
  }
  words[argc] = nullptr;
  return words;
}

void ReleaseWords(char** words) { Release(words); }

int ParseOptions(int argc, char** w, OPTIONS* o) {
  *o = OPTIONS{};
  int i = 1;
  bool wants_directory = false;
  // Options before the archive name.
  for (; i < argc && w[i][0] == '-' && w[i][1] != '\0'; ++i) {
    if (!TakeLetters(w[i], o, &wants_directory)) {
      Usage();
      return 10;
    }
    if (wants_directory) {
      if (++i >= argc) {
        Usage();
        return 10;
      }
      o->directory = w[i];
      wants_directory = false;
    }
  }
  if (i >= argc) {
    Usage();
    return 10;
  }
  o->archive = w[i++];
  // Patterns are gathered in place: the words array is ours.
  char** patterns = w + i;
  int pattern_count = 0;
  char** excludes = nullptr;
  int exclude_count = 0;
  bool in_excludes = false;
  for (; i < argc; ++i) {
    if (std::strcmp(w[i], "-d") == 0) {
      if (++i >= argc) {
        Usage();
        return 10;
      }
      o->directory = w[i];
      continue;
    }
    if (std::strcmp(w[i], "-x") == 0) {
      if (!in_excludes) excludes = patterns + pattern_count;
      in_excludes = true;
      continue;
    }
    // Keep the pattern words packed: members first, then exclusions.
    char* word = w[i];
    if (in_excludes) {
      excludes[exclude_count++] = word;
    } else {
      patterns[pattern_count++] = word;
    }
  }
  o->patterns = pattern_count > 0 ? patterns : nullptr;
  o->pattern_count = pattern_count;
  o->excludes = exclude_count > 0 ? excludes : nullptr;
  o->exclude_count = exclude_count;
  return 0;
}

}  // namespace UNZIP
