#include "unzip/extract.h"

#include <cstdio>

#include "osys/filetime.h"
#include "unzip/decode.h"
#include "unzip/mapname.h"
#include "unzip/messages.h"
#include "unzip/slide.h"

namespace UNZIP {
namespace {

constexpr int kVersionCanDo = 20;     // format version 2.0
constexpr int kVmsVersionCanDo = 42;  // VMS members up to 4.2

// --- acceptance -------------------------------------------------------------

bool MethodSupported(int method) { return (method >= 0 && method <= 6) || method == 8; }

// True when the member can be extracted; otherwise prints why it is skipped.
bool Accept(RUN& run, const ENTRY& e) {
  int system = e.version_needed >> 8;
  int version = e.version_needed & 0xff;
  if (system == 2) {
    if (version > kVmsVersionCanDo) {
      Say(kStderr, "   skipping: %-22s  need %s compat. v%u.%u (can do v%u.%u)\n", e.name, "VMS",
          version / 10, version % 10, kVmsVersionCanDo / 10, kVmsVersionCanDo % 10);
      return false;
    }
    if (!run.options.test && !run.options.overwrite) {
      char prompt[kMaxName + 64];
      std::snprintf(prompt, sizeof prompt, "\n%s:  stored in VMS format.  Extract anyway? (y/n) ", e.name);
      if (!AskConsole(prompt, "yY")) return false;
    }
  } else if (version > kVersionCanDo) {
    Say(kStderr, "   skipping: %-22s  need %s compat. v%u.%u (can do v%u.%u)\n", e.name, "PK",
        version / 10, version % 10, kVersionCanDo / 10, kVersionCanDo % 10);
    return false;
  }
  if (!MethodSupported(e.method)) {
    Say(kStderr, "   skipping: %-22s  compression method %d\n", e.name, e.method);
    return false;
  }
  if (e.flags & 1) {
    Say(kStderr, "   skipping: %-22s  encrypted (not supported)\n", e.name);
    return false;
  }
  return true;
}

// --- the local header -------------------------------------------------------

bool HasLocalSignature(ARCHIVE& a, int64_t position) {
  uint8_t sig[4];
  return a.Seek(position) && a.ReadExact(sig, 4) && sig[0] == 'P' && sig[1] == 'K' && sig[2] == 3 && sig[3] == 4;
}

// Positions the archive at the member's data; its name as the local header
// gives it into `name`. False when the member fails (status raised).
bool ReadLocalHeader(RUN& run, const ENTRY& e, unsigned number, char* name) {
  ARCHIVE& a = *run.archive;
  int64_t position = static_cast<int64_t>(e.local_offset) + run.extra_bytes;
  if (!a.Seek(position)) {
    Say(kStderr, "file #%u:  bad zipfile offset (%s):  %ld\n", number, "lseek", static_cast<long>(position));
    run.Raise(3);
    return false;
  }
  bool first = !run.first_member_done;
  run.first_member_done = true;
  if (!HasLocalSignature(a, position)) {
    Say(kStderr, "file #%u:  bad zipfile offset (%s):  %ld\n", number, "local header sig", static_cast<long>(position));
    // The stub in front may be the archive's own: the offsets may be right as stored.
    if (!first || run.extra_bytes == 0) {
      run.Raise(3);
      return false;
    }
    Say(kStderr, "  (attempting to re-compensate)\n");
    position = e.local_offset;
    if (!HasLocalSignature(a, position)) {
      run.Raise(3);
      return false;
    }
    run.extra_bytes = 0;
    run.Raise(2);
  }
  uint8_t h[kLocalHeaderSize - 4];
  if (!a.ReadExact(h, sizeof h)) {
    Say(kStderr, "\nfile #%u:  bad local header\n", number);
    run.Raise(3);
    return false;
  }
  unsigned name_length = Get16(h + 22);
  unsigned extra_length = Get16(h + 24);
  if (!ReadName(a, name_length, e.lower_case, name) || !a.Seek(a.Tell() + extra_length)) {
    Say(kStderr, "\nfile #%u:  bad local header\n", number);
    run.Raise(3);
    return false;
  }
  return true;
}

// --- output -----------------------------------------------------------------

struct OUTPUT {
  RUN* run;
  OSYS::File::Handle file;  // null when testing or writing to the screen
  const char* path;
  bool to_screen;
  int status;               // 50, or 1 after the user chose to go on
};

bool WriteOut(void* context, const uint8_t* data, size_t n) {
  OUTPUT& o = *static_cast<OUTPUT*>(context);
  if (o.to_screen) {
    SayBytes(data, n);
    return true;
  }
  if (o.file == nullptr || OSYS::File::Write(o.file, data, static_cast<int>(n))) return true;
  char prompt[kMaxPath + 64];
  std::snprintf(prompt, sizeof prompt, "\n%s:  write error (disk full?).  Continue? (y/n/^C) ", o.path);
  if (AskConsole(prompt, "y")) {
    if (o.status < 1) o.status = 1;
    return true;
  }
  o.status = 50;
  return false;
}

size_t ReadArchive(void* context, uint8_t* dst, size_t max) {
  return static_cast<ARCHIVE*>(context)->ReadInto(dst, max);
}

// -n, -u and -f against an existing file. False when the member is left alone.
bool ShouldWrite(const RUN& run, const ENTRY& e, const char* path, bool* exists, uint32_t* attributes) {
  OSYS::File::STATUS st;
  *exists = OSYS::File::Status(path, &st);
  *attributes = *exists ? st.Attributes : 0;
  const OPTIONS& o = run.options;
  if (!*exists) return !o.freshen;
  if (o.never_overwrite) return false;
  if (o.update || o.freshen) {
    // Compared as MS-DOS local date and time, to the member's 2 seconds.
    OSYS::LOCALTIME t;
    if (OSYS::SecondsToLocalTime(st.Modified, &t) && t.Year >= 1980) {
      uint32_t existing = static_cast<uint32_t>((t.Year - 1980) << 9 | t.Month << 5 | t.Day) << 16 |
                          static_cast<uint32_t>(t.Hour << 11 | t.Minute << 5 | t.Second / 2);
      uint32_t member = static_cast<uint32_t>(e.date) << 16 | e.time;
      if (existing >= member) return false;  // the existing file is as new or newer
    }
  }
  return true;
}

void SetTimeAndAttributes(const ENTRY& e, const char* path) {
  if (!OSYS::File::SetModificationTime(path, DosToLocalTime(e.date, e.time))) {
    Say(kStderr, "\nSetFileTime failed: %d\n", static_cast<int>(OSYS::GetLastError()));
  }
  uint32_t attributes = e.external_attributes & 0x7f & ~OSYS::File::AttrReadOnly;
  if (!OSYS::File::SetAttributes(path, attributes)) {
    Say(kStderr, "\nwarning (%d): could not set file attributes\n", static_cast<int>(OSYS::GetLastError()));
  }
}

}  // namespace

OSYS::LOCALTIME DosToLocalTime(uint16_t date, uint16_t time) {
  OSYS::LOCALTIME t{};
  t.Year = 1980 + (date >> 9);
  t.Month = (date >> 5) & 15;
  t.Day = date & 31;
  t.Hour = time >> 11;
  t.Minute = (time >> 5) & 63;
  t.Second = (time & 31) * 2;
  if (t.Month < 1) t.Month = 1;
  if (t.Day < 1) t.Day = 1;
  return t;
}

void ExtractEntry(RUN& run, const ENTRY& e, unsigned number) {
  if (!Accept(run, e)) {
    ++run.skipped;
    return;
  }
  char name[kMaxName + 1];
  if (!ReadLocalHeader(run, e, number, name)) return;
  const int64_t data_start = run.archive->Tell();
  const OPTIONS& o = run.options;
  const bool writes_file = !o.test && !o.to_screen;

  char path[kMaxPath + 2];
  bool exists = false;
  uint32_t attributes = 0;
  OUTPUT out{&run, nullptr, path, o.to_screen, 0};
  if (writes_file) {
    switch (MapName(run, name, path)) {
      case kMapDirectory: return;
      case kMapFailed: return;
      case kMapFile: break;
    }
    if (!ShouldWrite(run, e, path, &exists, &attributes)) return;
    if (exists && (attributes & OSYS::File::AttrReadOnly)) {
      OSYS::File::SetAttributes(path, attributes & ~OSYS::File::AttrReadOnly);
    }
    out.file = OSYS::File::Open(path, OSYS::File::Access::Write);
    if (out.file == nullptr) {
      Say(kStderr, "\nerror:  cannot create %s\n", path);
      run.Raise(50);
      return;
    }
  }
  if (o.quiet == 0 && !o.to_screen) {
    Say(kStdout, "%11s: %s%s", o.test ? "testing" : ActionWord(e.method), o.test ? name : path,
        o.test ? "   " : "\n");
  }

  run.archive->Seek(data_start);
  MEMBERINPUT in(ReadArchive, run.archive, e.compressed_size, run.archive->Buffer());
  SLIDE slide(run.window, WriteOut, &out);
  slide.Begin();
  DECODEJOB job{e.method, e.flags, e.uncompressed_size, name, o.quiet};
  bool ended = false;
  int status = DecodeMember(job, in, slide, &ended);
  if (!ended) slide.Flush();
  if (out.status > status) status = out.status;
  if (out.status == 50) run.write_abandoned = true;

  if (out.file != nullptr) {
    OSYS::File::Close(out.file);
    SetTimeAndAttributes(e, path);
  }
  if (status < 2 && slide.Crc() != e.crc) {
    Say(kStderr, " bad CRC %08lx  (should be %08lx)\n", static_cast<unsigned long>(slide.Crc()),
        static_cast<unsigned long>(e.crc));
    status = 2;
  } else if (o.test && o.quiet == 0 && status == 0) {
    Say(kStdout, "OK\n");
  }
  run.Raise(status);
}

}  // namespace UNZIP
