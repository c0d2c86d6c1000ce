#include "unzip/unzipper.h"

#include <cstring>

#include "foundation/log.h"
#include "osys/file.h"
#include "unzip/memory.h"

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

void BackslashesToSlashes(char* p) {
  for (; *p; ++p) {
    if (*p == '\\') *p = '/';
  }
}

void BackslashesToSlashes(STRING& s) {
  if (s.Buffer != nullptr) BackslashesToSlashes(s.Buffer);
}

// The engine's argument words: `count` slots of 100 bytes in one block.
class ARGUMENTS {
 public:
  explicit ARGUMENTS(int count) : count_(count) {
    block_ = static_cast<char*>(UNZIP::Allocate(static_cast<size_t>(count) * UNZIPPER::kWordSize));
    ReportAssertion(block_ != nullptr, "adr", __FILE__, __LINE__, "argument block of UNZIPPER", 0);
  }
  ~ARGUMENTS() { UNZIP::Release(block_); }
  ARGUMENTS(const ARGUMENTS&) = delete;
  ARGUMENTS& operator=(const ARGUMENTS&) = delete;

  bool Allocated() const { return block_ != nullptr; }
  // False (and nothing stored) for a word of 100 characters or more.
  bool Set(int slot, const char* word) {
    size_t n = std::strlen(word);
    if (n >= static_cast<size_t>(UNZIPPER::kWordSize)) {
      LogPrintf("UNZIPPER: the word '%s' does not fit its %d-byte slot\n", word, UNZIPPER::kWordSize);
      return false;
    }
    std::memcpy(block_ + slot * UNZIPPER::kWordSize, word, n + 1);
    return true;
  }
  int Run() {
    char* argv[8];
    for (int i = 0; i < count_; ++i) argv[i] = block_ + i * UNZIPPER::kWordSize;
    argv[count_] = nullptr;
    return UnzipMain(count_, argv);
  }

 private:
  int count_;
  char* block_;
};

// Creates every missing level of `directory` but the last (the engine makes
// that one): at each separator except one right after a drive ("C:\").
void MakeLeadingLevels(const char* directory) {
  if (OSYS::File::IsDirectory(directory)) return;
  STRING path(directory);
  for (int i = 0; i < path.StrLen; ++i) {
    char c = path.Buffer[i];
    if ((c != '\\' && c != '/') || i == 2 || i == 0) continue;
    STRING level = path.Left(i);
    OSYS::File::MakeDirectory(level.Buffer);
  }
}

// "directory" + separator (unless it ends in one) + "member".
STRING TargetPath(const char* directory, const char* member) {
  STRING target(directory);
  if (target.StrLen == 0 || (target.Buffer[target.StrLen - 1] != '\\' && target.Buffer[target.StrLen - 1] != '/')) {
    char separator[2] = {kPathSeparator, '\0'};
    target.Append(separator);
  }
  target.Append(member);
  return target;
}

// The question text: the format with its one "%s" replaced by `text`, "%%"
// read as "%"; any other "%" stays as it is, so a damaged language string
// cannot make the formatting read arguments that are not there.
STRING QuestionText(const STRING& format, const char* text) {
  STRING out("");
  bool substituted = false;
  for (int i = 0; format.Buffer != nullptr && i < format.StrLen; ++i) {
    char c = format.Buffer[i];
    if (c == '%' && i + 1 < format.StrLen) {
      char next = format.Buffer[i + 1];
      if (next == '%') {
        out.Append("%");
        ++i;
        continue;
      }
      if (next == 's' && !substituted) {
        out.Append(text);
        substituted = true;
        ++i;
        continue;
      }
    }
    out.Append(&c, 1);
  }
  return out;
}

}  // namespace

UNZIPPERTEXT UnzipperText = UnzipperLanguageText;
UNZIPPERQUESTION UnzipperQuestion = UnzipperQuestionBox;

UNZIPPER::UNZIPPER(const char* archive, const char* ask_overwrite, const char* protected_files)
    : AskList(ask_overwrite ? ask_overwrite : ""), ProtectList(protected_files ? protected_files : ""), Cursor(0) {
  ArchiveName[0] = '\0';
  if (archive != nullptr && std::strlen(archive) < sizeof ArchiveName) std::strcpy(ArchiveName, archive);
  BackslashesToSlashes(AskList);
  BackslashesToSlashes(ProtectList);
  UnzipClearCapture();

  int error = 9;  // an archive name that does not fit is not found
  ARGUMENTS words(3);
  if (words.Allocated() && ArchiveName[0] != '\0' && words.Set(0, "unzip") && words.Set(1, "-v") &&
      words.Set(2, ArchiveName)) {
    error = words.Run();
  }
  ReportAssertion(error == 0, "error==FALSE", __FILE__, __LINE__, ArchiveName, 0);
  for (auto& name : UnzipNameTable) BackslashesToSlashes(name);
}

std::uint32_t UNZIPPER::Member(int index, char* name) const {
  if (index < 0 || index >= kUnzipSlots) {
    name[0] = '\0';
    return 0;
  }
  std::memcpy(name, UnzipNameTable[index], kUnzipNameSize);
  name[kUnzipNameMax] = '\0';
  return name[0] != '\0' ? UnzipSizeTable[index] : 0;
}

std::uint32_t UNZIPPER::First(char* name) {
  Cursor = 1;
  return Member(0, name);
}

std::uint32_t UNZIPPER::Next(char* name) {
  std::uint32_t size = Member(Cursor, name);
  if (Cursor < kUnzipSlots) ++Cursor;
  return size;
}

bool UNZIPPER::ListedAndPresent(const STRING& list, const char* member, const char* directory,
                                STRING* question) const {
  for (int i = 0;; ++i) {
    STRING entry = list.Token(i, "|");
    if (entry.Buffer == nullptr) return false;
    STRING name = entry.Token(0, ";");
    if (name.Buffer == nullptr || StrICmp(name.Buffer, member) != 0) continue;
    if (!OSYS::File::Exists(TargetPath(directory, member).Buffer)) continue;
    if (question != nullptr) *question = entry.Token(1, ";");
    return true;
  }
}

int UNZIPPER::Extract(const char* member, const char* directory, int* ran) {
  ARGUMENTS words(6);
  if (ran) *ran = 0;
  if (!words.Allocated()) return 0;
  MakeLeadingLevels(directory);
  if (!words.Set(0, "unzip") || !words.Set(1, "-qq") || !words.Set(2, ArchiveName) || !words.Set(3, member) ||
      !words.Set(4, "-d") || !words.Set(5, directory)) {
    return 0;
  }
  bool extract = !ListedAndPresent(ProtectList, member, directory, nullptr);
  STRING own;
  if (extract && ListedAndPresent(AskList, member, directory, &own)) {
    const char* subject = own.Buffer != nullptr && own.StrLen > 0 ? own.Buffer : member;
    STRING text = QuestionText(UnzipperText(2992), subject);
    STRING caption = UnzipperText(2993);
    extract = UnzipperQuestion(text.Buffer, caption.Buffer ? caption.Buffer : "");
  }
  int status = extract ? words.Run() : 0;
  if (ran) *ran = extract ? 1 : 0;
  return status == 0 ? 1 : 0;
}
