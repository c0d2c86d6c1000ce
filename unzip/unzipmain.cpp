// UnzipMain: one run of the engine from its command line to its status.
//
//   1. the command line (words copied, "\" made "/"; options; -d prepared)
//   2. the buffers (input 2048 + 4 bytes, the 32 KiB window)
//   3. the archive under its name or with ".zip" appended, and its end record
//   4. disk checks and extra bytes
//   5. the central directory walk: listing, or extraction of what matches
//   6. patterns that matched nothing; the end record after the directory
#include <cstring>

#include "osys/filetime.h"
#include "unzip/central.h"
#include "unzip/endrecord.h"
#include "unzip/engine.h"
#include "unzip/extract.h"
#include "unzip/listing.h"
#include "unzip/mapname.h"
#include "unzip/match.h"
#include "unzip/memory.h"
#include "unzip/messages.h"
#include "unzip/options.h"
#include "unzip/run.h"
#include "unzip/signals.h"
#include "unzip/slide.h"

namespace UNZIP {
namespace {

constexpr size_t kNameLimit = 1024;

// --- finding the archive ----------------------------------------------------

bool OpenWithEndRecord(RUN& run, const char* name) {
  if (!OSYS::File::Exists(name) || OSYS::File::IsDirectory(name)) return false;
  if (!run.archive->Open(name)) return false;
  if (FindEndRecord(*run.archive, &run.end)) {
    run.archive_name = name;
    return true;
  }
  Say(kStderr, "  End-of-central-directory signature not found.  Either this file is not\n"
               "  a zipfile, or it constitutes one disk of a multi-part archive.\n"
               "  (looked in %s)\n", name);
  run.archive->Close();
  return false;
}

// 0, or 9 when neither the name nor the name with ".zip" gives an archive.
int FindArchive(RUN& run, char* with_zip) {
  const char* name = run.options.archive;
  size_t n = std::strlen(name);
  if (n <= kNameLimit && OpenWithEndRecord(run, name)) return 0;
  if (n <= kNameLimit) {
    std::memcpy(with_zip, name, n);
    std::memcpy(with_zip + n, ".zip", 5);
    if (OpenWithEndRecord(run, with_zip)) return 0;
  }
  Say(kStderr, "unzip:  cannot find or open %s, %s.zip.\n", name, name);
  return 9;
}

// --- selection --------------------------------------------------------------

bool AnyMatches(char** patterns, int count, const ENTRY& e, bool* matched) {
  bool any = false;
  for (int k = 0; k < count; ++k) {
    if (MatchPattern(patterns[k], e.name, e.lower_case)) {
      any = true;
      if (matched) matched[k] = true;
    }
  }
  return any;
}

bool Selected(const OPTIONS& o, const ENTRY& e, bool* matched) {
  if (o.pattern_count > 0 && !AnyMatches(o.patterns, o.pattern_count, e, matched)) return false;
  return o.exclude_count == 0 || !AnyMatches(o.excludes, o.exclude_count, e, nullptr);
}

// --- the walk ---------------------------------------------------------------

void Walk(RUN& run, int64_t central_start, bool* matched) {
  ARCHIVE& a = *run.archive;
  const OPTIONS& o = run.options;
  LISTING listing(run);
  if (o.Listing()) listing.Header();
  int64_t position = central_start;
  ENTRY entry;
  ENTRY* e = &entry;
  bool complete = true;
  for (unsigned k = 1; k <= run.end.entries; ++k) {
    if (!a.Seek(position)) {
      Say(kStderr, "error:  bad zipfile offset (%s):  %ld\n", "lseek", static_cast<long>(position));
      run.Raise(3);
      complete = false;
      break;
    }
    CentralResult r = ReadCentralEntry(run, k, e);
    if (r != kCentralOk) {
      if (r == kCentralTruncated) Say(kStderr, "error:  zipfile ends inside the central directory (file #%u)\n", k);
      run.Raise(r == kCentralTruncated ? 51 : 3);
      complete = false;
      break;
    }
    position = a.Tell();
    if (e->volume_label && !o.volume_labels) continue;
    if (!Selected(o, *e, matched)) continue;
    if (o.Listing()) {
      listing.Member(*e);
    } else {
      ExtractEntry(run, *e, k);
      // A write the user did not go on from (disk full) ends the run; a file
      // that cannot be created ends only its member.
      if (run.write_abandoned) break;
    }
  }
  if (o.Listing()) listing.Totals();
  if (complete && !run.write_abandoned) {
    uint8_t sig[4];
    if (!a.Seek(position) || !a.ReadExact(sig, 4) || !(sig[0] == 'P' && sig[1] == 'K' && sig[2] == 5 && sig[3] == 6)) {
      Say(kStderr, "note:  didn't find end-of-central-dir signature at end of central dir.\n");
      run.Raise(1);
    }
  }
}

void ShowComment(RUN& run) {
  if (run.end.comment_length == 0) return;
  char comment[65536];
  if (run.archive->ReadAt(run.end.position + kEndRecordSize, reinterpret_cast<uint8_t*>(comment), run.end.comment_length)) {
    SayBytes(comment, run.end.comment_length);
    Say(kStdout, "\n");
  }
}

int Run(RUN& run) {
  char with_zip[kNameLimit + 8];
  int found = FindArchive(run, with_zip);
  if (found != 0) return found;
  if (run.options.show_comment) ShowComment(run);
  int64_t central_start;
  if (!CheckEndRecord(run, &central_start)) return run.status;
  if (!run.archive->Seek(central_start)) {
    Say(kStderr, "error [%s]:  start of central directory not found; zipfile corrupt.\n", run.archive_name);
    run.Raise(3);
    return run.status;
  }
  const OPTIONS& o = run.options;
  if (!o.Listing() && !o.test && !o.to_screen) run.fat_destination = OSYS::IsFatVolume(o.directory ? o.directory : ".");

  bool* matched = nullptr;
  if (run.options.pattern_count > 0) {
    size_t n = static_cast<size_t>(run.options.pattern_count);
    matched = static_cast<bool*>(Allocate(n * sizeof(bool)));
    if (matched == nullptr) {
      Say(kStderr, "error:  can't allocate unzip buffers\n");
      return 4;
    }
    for (size_t k = 0; k < n; ++k) matched[k] = false;
  }
  Walk(run, central_start, matched);
  for (int k = 0; matched && k < run.options.pattern_count; ++k) {
    if (!matched[k]) {
      Say(kStderr, "caution: filename not matched:  %s\n", run.options.patterns[k]);
      run.Raise(1);
    }
  }
  Release(matched);
  if (run.skipped > 0) run.Raise(1);
  return run.status;
}

}  // namespace
}  // namespace UNZIP

int UnzipMain(int argc, char** argv) {
  using namespace UNZIP;
  SIGNALGUARD signals;
  if (argc < 1 || argv == nullptr) return 10;
  char** words = CopyWords(argc, argv);
  if (words == nullptr) {
    Say(kStderr, "error:  can't allocate unzip buffers\n");
    return 4;
  }
  RUN run;
  int status = ParseOptions(argc, words, &run.options);
  if (status == 0 && run.options.directory != nullptr && !run.options.test && !run.options.to_screen &&
      !run.options.Listing() && !PrepareExtractionDirectory(run.options.directory)) {
    Say(kStderr, "checkdir:  can't create extraction directory: %s\n", run.options.directory);
    status = 3;
  }
  if (status == 0) {
    auto* input = static_cast<uint8_t*>(Allocate(MEMBERINPUT::kBufferSize + 4));
    auto* window = static_cast<uint8_t*>(Allocate(SLIDE::kSize));
    if (input == nullptr || window == nullptr) {
      Say(kStderr, "error:  can't allocate unzip buffers\n");
      status = 4;
    } else {
      ARCHIVE archive(input);
      run.archive = &archive;
      run.window = window;
      status = Run(run);
      run.archive = nullptr;
    }
    Release(window);
    Release(input);
  }
  ReleaseWords(words);
  return status;
}
