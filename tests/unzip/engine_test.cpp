// The engine from its command line: listing and capture, extraction with its
// statuses and messages, damaged archives, unsafe names, time and attributes.
#include <cstring>

#include "osys/file.h"
#include "osys/filetime.h"
#include "tests/unzip/fixture.h"
#include "unzip/match.h"
#include "unzip/memory.h"

namespace UNZIPTEST {
namespace {

using ZIPPACK::METHOD;

class Engine : public FOLDERTEST {};

// --- listing and the capture tables -------------------------------------------

TEST_F(Engine, ListingOfThreeMembersFillsThreeSlotsAndTheTotal) {
  std::string zip = Archive({Member("readme.txt", TextBytes(1000)), Member("bin/prog.exe", TextBytes(20000, 2)),
                             Member("data/empty.dat", {})});
  UnzipClearCapture();
  std::strcpy(UnzipNameTable[3], "");
  RESULT r = Unzip({"-v", zip});
  EXPECT_EQ(r.status, 0) << r.All();
  EXPECT_STREQ(UnzipNameTable[0], "readme.txt");
  EXPECT_STREQ(UnzipNameTable[1], "bin/prog.exe");
  EXPECT_STREQ(UnzipNameTable[2], "data/empty.dat");
  EXPECT_STREQ(UnzipNameTable[3], "");
  EXPECT_EQ(UnzipSizeTable[0], 1000u);
  EXPECT_EQ(UnzipSizeTable[1], 20000u);
  EXPECT_EQ(UnzipSizeTable[2], 0u);
  EXPECT_EQ(UnzipTotal, 21000u);
  EXPECT_NE(r.out.find("Defl"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("3 files"), std::string::npos) << r.out;
}

TEST_F(Engine, NamesFromFatHostsAreLowerCasedUnlessKeepCase) {
  auto dos = Member("README.TXT", TextBytes(10));
  dos.host = 0;
  auto ntfs = Member("Setup.INI", TextBytes(10));
  std::string zip = Archive({dos, ntfs});
  UnzipClearCapture();
  RESULT r = Unzip({"-v", zip});
  EXPECT_STREQ(UnzipNameTable[0], "readme.txt");
  EXPECT_STREQ(UnzipNameTable[1], "Setup.INI");
  EXPECT_NE(r.out.find("^readme.txt"), std::string::npos) << r.out;
  UnzipClearCapture();
  Unzip({"-l", "-U", zip});
  EXPECT_STREQ(UnzipNameTable[0], "README.TXT");
  // The extracted file carries the lower-cased name too.
  EXPECT_EQ(Unzip({"-qq", zip, "readme.txt", "-d", Path("out")}).status, 0);
  EXPECT_TRUE(Exists("out/readme.txt"));
}

TEST_F(Engine, MoreMembersThanSlotsAndOverlongNamesNeverOverflowTheTables) {
  std::vector<ZIPPACK::MEMBERPLAN> members;
  for (int i = 0; i < 260; ++i) members.push_back(Member("m" + std::to_string(i), Bytes(1, 'x')));
  members[3].name = std::string(200, 'n');
  std::string zip = Archive(members);
  UnzipClearCapture();
  std::strcpy(UnzipNameTable[249], "sentinel");
  RESULT r = Unzip({"-v", zip});
  EXPECT_EQ(r.status, 1) << r.All();  // the caller must learn that the tables are incomplete
  EXPECT_STREQ(UnzipNameTable[249], "m249");
  EXPECT_EQ(std::strlen(UnzipNameTable[3]), static_cast<size_t>(kUnzipNameMax));
  EXPECT_EQ(UnzipNameTable[3][kUnzipNameMax], '\0');
  EXPECT_EQ(UnzipTotal, 260u);
  EXPECT_NE(r.err.find("only the first 250"), std::string::npos) << r.err;
}

// --- finding the archive ---------------------------------------------------------

TEST_F(Engine, NoArchiveOrNoEndRecordIsStatusNine) {
  EXPECT_EQ(Unzip({"-v", Write("short.zip", Bytes(21, 'P'))}).status, 9);
  EXPECT_EQ(Unzip({"-v", Write("noend.zip", TextBytes(5000))}).status, 9);
  EXPECT_EQ(Unzip({"-v", Path("missing")}).status, 9);
  // A signature in the last 21 bytes has no room for a record behind it.
  Bytes tail = TextBytes(100);
  Bytes sig = {'P', 'K', 5, 6};
  std::copy(sig.begin(), sig.end(), tail.end() - 10);
  EXPECT_EQ(Unzip({"-v", Write("tail.zip", tail)}).status, 9);
  // The name with ".zip" appended is tried second.
  Archive({Member("a", TextBytes(10))}, {}, "named.zip");
  EXPECT_EQ(Unzip({"-v", Path("named")}).status, 0);
}

TEST_F(Engine, EndRecordIsFoundAcrossBlockBoundariesAndBehindAComment) {
  // Place the end record's signature so that it straddles a 2048-byte block
  // boundary at every split point, with and without a comment behind it.
  for (int split = 1; split <= 3; ++split) {
    for (size_t comment : {size_t{0}, size_t{5000}}) {
      ZIPPACK::ZIPWRITER probe;
      probe.Add(Member("pad", {}, METHOD::kStored));
      ZIPPACK::ARCHIVELAYOUT l;
      probe.Finish({}, &l);
      size_t pad = (4096 - split) - l.end_offset;
      ZIPPACK::ARCHIVEOPTIONS o;
      o.comment = std::string(comment, 'c');
      std::string zip = Archive({Member("pad", Bytes(pad, 'p'), METHOD::kStored)}, o, "split.zip", &l);
      ASSERT_EQ(l.end_offset % 2048, 2048u - split);
      RESULT r = Unzip({"-t", "-q", zip});
      EXPECT_EQ(r.status, 0) << "split " << split << " comment " << comment << r.All();
    }
  }
}

// --- end record: disks, extra bytes, empty ---------------------------------------

TEST_F(Engine, StubInFrontWarnsButEverythingIsExtracted) {
  ZIPPACK::ARCHIVEOPTIONS o;
  o.stub = Bytes(1000, 'S');
  Bytes data = TextBytes(3000);
  std::string zip = Archive({Member("a.txt", data)}, o);
  UnzipClearCapture();
  RESULT list = Unzip({"-v", zip});
  EXPECT_EQ(list.status, 1);
  EXPECT_NE(list.err.find("extra 1000 bytes at beginning or within zipfile"), std::string::npos) << list.err;
  EXPECT_STREQ(UnzipNameTable[0], "a.txt");
  EXPECT_EQ(Unzip({"-qq", zip, "a.txt", "-d", Path("out")}).status, 1);
  EXPECT_EQ(Read("out/a.txt"), data);
}

TEST_F(Engine, OffsetsThatAlreadyCountTheStubAreRecompensated) {
  ZIPPACK::ARCHIVEOPTIONS o;
  o.stub = Bytes(700, 'S');
  Bytes data = TextBytes(3000);
  ZIPPACK::ZIPWRITER w;
  w.Add(Member("a.txt", data));
  ZIPPACK::ARCHIVELAYOUT l;
  Bytes zip = w.Finish(o, &l);
  // The member's stored offset counts the stub; the central directory's does not.
  size_t field = l.central_offset + 42;
  uint32_t offset = 700;
  std::memcpy(&zip[field], &offset, 4);
  std::string path = Write("recomp.zip", zip);
  RESULT r = Unzip({"-qq", path, "-d", Path("out")});
  EXPECT_EQ(r.status, 2) << r.All();
  EXPECT_NE(r.err.find("attempting to re-compensate"), std::string::npos) << r.err;
  EXPECT_EQ(Read("out/a.txt"), data);
}

TEST_F(Engine, EndRecordCases) {
  struct CASE {
    const char* what;
    ZIPPACK::ARCHIVEOPTIONS options;
    bool members;
    int status;
    const char* message;
  };
  std::vector<CASE> cases(6);
  cases[0] = {"second disk of two", {}, true, 1, ""};
  cases[0].options.this_disk = cases[0].options.central_disk = 1;
  cases[1] = {"multi-disk", {}, true, 11, "multi-disk"};
  cases[1].options.this_disk = 2;
  cases[2] = {"empty", {}, false, 1, "zipfile is empty"};
  cases[3] = {"null central offset", {}, true, 2, "NULL central directory offset"};
  cases[3].options.zero_central_offset = true;
  cases[4] = {"bad central signature", {}, true, 3, "expected central file header signature not found (file #1)"};
  cases[4].options.break_central_signature = true;
  cases[5] = {"gap before the end record", {}, true, 1, "didn't find end-of-central-dir signature"};
  cases[5].options.leave_out_end_after_central = true;
  for (const CASE& c : cases) {
    std::vector<ZIPPACK::MEMBERPLAN> m;
    if (c.members) m.push_back(Member("a.txt", TextBytes(100)));
    std::string zip = Archive(m, c.options);
    RESULT r = Unzip({"-qq", zip, "-d", Path("out")});
    EXPECT_EQ(r.status, c.status) << c.what << ": " << r.All();
    EXPECT_NE(r.All().find(c.message), std::string::npos) << c.what << ": " << r.All();
  }
  EXPECT_EQ(Read("out/a.txt"), TextBytes(100));  // the null offset case still extracts
}

// --- extraction -------------------------------------------------------------------

TEST_F(Engine, EveryMethodExtractsAndTests) {
  Bytes data = TextBytes(90000);
  struct { const char* name; METHOD method; unsigned flags; } kinds[] = {
      {"stored", METHOD::kStored, 0},   {"shrunk", METHOD::kShrink, 0},   {"reduced1", METHOD::kReduce1, 0},
      {"reduced2", METHOD::kReduce2, 0}, {"reduced3", METHOD::kReduce3, 0}, {"reduced4", METHOD::kReduce4, 0},
      {"imploded", METHOD::kImplode, 0}, {"imploded6", METHOD::kImplode, 6}, {"deflated", METHOD::kDeflate, 0}};
  std::vector<ZIPPACK::MEMBERPLAN> members;
  for (auto& k : kinds) {
    auto m = Member(k.name, data, k.method);
    m.implode_flags = k.flags;
    members.push_back(m);
  }
  std::string zip = Archive(members);
  RESULT t = Unzip({"-t", zip});
  EXPECT_EQ(t.status, 0) << t.All();
  RESULT x = Unzip({zip, "-d", Path("out")});
  EXPECT_EQ(x.status, 0) << x.All();
  for (const char* word : {"extracting", "unshrinking", "unreducing", "exploding", "inflating"}) {
    EXPECT_NE(x.out.find(word), std::string::npos) << word;
  }
  for (auto& k : kinds) EXPECT_EQ(Read(std::string("out/") + k.name), data) << k.name;
}

TEST_F(Engine, StoredMemberOfSeventyThousandBytes) {
  Bytes data = TextBytes(70000);
  std::string zip = Archive({Member("big.bin", data, METHOD::kStored)});
  EXPECT_EQ(Unzip({"-qq", zip, "big.bin", "-d", Path("out")}).status, 0);
  EXPECT_EQ(Read("out/big.bin"), data);
}

TEST_F(Engine, MemberStatuses) {
  auto bad_crc = Member("badcrc.txt", TextBytes(5000), METHOD::kDeflate);
  bad_crc.crc = 0x12345678;
  auto encrypted = Member("secret.txt", TextBytes(100));
  encrypted.extra_flags = 1;
  auto method7 = Member("tokenized.bin", TextBytes(100), METHOD::kStored);
  method7.method_field = 7;
  auto truncated = Member("cut.txt", TextBytes(50000), METHOD::kDeflate);
  truncated.truncate_data = 200;
  truncated.compressed_size = 200;
  auto too_new = Member("new.txt", TextBytes(100));
  too_new.version_needed = 45;
  std::string zip = Archive({bad_crc, encrypted, method7, truncated, too_new, Member("ok.txt", TextBytes(10))});
  struct { const char* member; int status; const char* message; bool written; } cases[] = {
      {"badcrc.txt", 2, " bad CRC ", true},
      {"secret.txt", 1, "   skipping: secret.txt              encrypted (not supported)", false},
      {"tokenized.bin", 1, "compression method 7", false},
      {"cut.txt", 2, "  error:  invalid compressed (deflated) data for cut.txt", true},
      {"new.txt", 1, "need PK compat. v4.5 (can do v2.0)", false},
      {"ok.txt", 0, "", true},
      {"nosuch.txt", 1, "caution: filename not matched:  nosuch.txt", false},
  };
  for (auto& c : cases) {
    RESULT r = Unzip({"-qq", zip, c.member, "-d", Path("out")});
    EXPECT_EQ(r.status, c.status) << c.member << ": " << r.All();
    EXPECT_NE(r.All().find(c.message), std::string::npos) << c.member << ": " << r.All();
    EXPECT_EQ(Exists(std::string("out/") + c.member), c.written) << c.member;
  }
}

TEST_F(Engine, VmsMembersAskAndVolumeLabelsNeedTheirOption) {
  auto vms = Member("vms.txt", TextBytes(30));
  vms.version_needed = 0x0214;  // VMS, 2.0: asked about
  auto vms_new = Member("vmsnew.txt", TextBytes(30));
  vms_new.version_needed = 0x022b;  // VMS, 4.3: beyond what can be done
  auto label = Member("DISKLABEL", {});
  label.host = 0;
  label.external_attributes = 0x08;
  std::string zip = Archive({vms, vms_new, label, Member("plain.txt", TextBytes(5))});
  ConsoleAnswer() = 'n';
  RESULT no = Unzip({"-qq", zip, "vms.txt", "-d", Path("v")});
  EXPECT_EQ(no.status, 1);
  EXPECT_NE(no.err.find("vms.txt:  stored in VMS format.  Extract anyway? (y/n) "), std::string::npos) << no.err;
  EXPECT_FALSE(Exists("v/vms.txt"));
  ConsoleAnswer() = 'y';
  EXPECT_EQ(Unzip({"-qq", zip, "vms.txt", "-d", Path("v")}).status, 0);
  ConsoleAnswer() = 'n';
  EXPECT_EQ(Read("v/vms.txt"), TextBytes(30));
  EXPECT_EQ(Unzip({"-qq", "-o", zip, "vms.txt", "-d", Path("o")}).status, 0);  // -o does not ask
  RESULT too_new = Unzip({"-qq", zip, "vmsnew.txt", "-d", Path("v")});
  EXPECT_EQ(too_new.status, 1);
  EXPECT_NE(too_new.err.find("need VMS compat. v4.3 (can do v4.2)"), std::string::npos) << too_new.err;
  // The label is neither listed nor lower-cased; -$ shows it.
  UnzipClearCapture();
  Unzip({"-l", zip});
  EXPECT_STREQ(UnzipNameTable[2], "plain.txt");
  UnzipClearCapture();
  Unzip({"-l", "-$", zip});
  EXPECT_STREQ(UnzipNameTable[2], "DISKLABEL");
}

TEST_F(Engine, ReadOnlyTargetIsReplacedAndLeftWritable) {
  Bytes data = TextBytes(400);
  auto m = Member("conf.ini", data);
  m.external_attributes = 0x21;  // read-only in the archive, too
  std::string zip = Archive({m});
  std::string target = Write("out/conf.ini", Bytes(10, 'o'));
  ASSERT_TRUE(OSYS::File::SetAttributes(target.c_str(), OSYS::File::AttrReadOnly));
  ASSERT_TRUE(OSYS::File::GetAttributes(target.c_str()) & OSYS::File::AttrReadOnly);
  EXPECT_EQ(Unzip({"-qq", zip, "conf.ini", "-d", Path("out")}).status, 0);
  EXPECT_EQ(Read("out/conf.ini"), data);
  EXPECT_FALSE(OSYS::File::GetAttributes(target.c_str()) & OSYS::File::AttrReadOnly);
}

TEST_F(Engine, DirectoryLevels) {
  std::string zip = Archive({Member("a/b/c/deep.txt", TextBytes(10)), Member("empty/dir/", {})});
  // Member levels are all created; the extraction directory one level.
  EXPECT_EQ(Unzip({"-qq", zip, "-d", Path("new")}).status, 0);
  EXPECT_EQ(Read("new/a/b/c/deep.txt"), TextBytes(10));
  EXPECT_TRUE(fs::is_directory(root_ / "new/empty/dir"));
  RESULT two = Unzip({"-qq", zip, "-d", Path("x/y")});
  EXPECT_EQ(two.status, 3);
  EXPECT_NE(two.err.find("checkdir:  can't create extraction directory: "), std::string::npos);
  // A file where a level should be; the other members are still extracted.
  Write("blocked/a", Bytes(1, 'f'));
  RESULT blocked = Unzip({"-qq", zip, "-d", Path("blocked")});
  EXPECT_EQ(blocked.status, 50);
  EXPECT_NE(blocked.err.find("exists but is not directory"), std::string::npos) << blocked.err;
  EXPECT_TRUE(fs::is_directory(root_ / "blocked/empty/dir"));
}

TEST_F(Engine, NamesThatWouldLeaveTheExtractionDirectoryAreSkipped) {
  const char* names[] = {"../evil.txt", "a/../../evil.txt", "/abs.txt", "\\abs.txt", "C:/evil.txt",
                         "c:evil.txt", "a\\..\\..\\evil.txt", "..", "ok/.\x16./evil.txt"};
  for (const char* name : names) {
    std::string zip = Archive({Member(name, TextBytes(10)), Member("fine.txt", TextBytes(10))});
    fs::create_directories(root_ / "box");
    RESULT r = Unzip({"-qq", zip, "-d", Path("box/in")});
    EXPECT_EQ(r.status, 1) << name << ": " << r.All();
    EXPECT_NE(r.err.find("skipping"), std::string::npos) << name;
    EXPECT_TRUE(Exists("box/in/fine.txt")) << name;
    size_t files = 0;
    for (auto& e : fs::recursive_directory_iterator(root_)) files += e.is_regular_file();
    EXPECT_EQ(files, 2u) << name;  // the archive and fine.txt, nothing else
    fs::remove_all(root_ / "box");
  }
}

TEST_F(Engine, NameMapping) {
  struct { const char* member; std::vector<std::string> options; const char* file; } cases[] = {
      {"dir/file;12", {}, "dir/file"},
      {"dir/file;12", {"-V"}, "dir/file;12"},
      {"dir/file;1a", {}, "dir/file;1a"},
      {"ab:c.txt", {}, "ab_c.txt"},
      {"with blank.txt", {}, "with blank.txt"},
      {"with blank.txt", {"-s"}, "with_blank.txt"},
      {"ctl\x01z.txt", {}, "ctlz.txt"},
      {"deep/path/j.txt", {"-j"}, "j.txt"},
  };
  for (auto& c : cases) {
    std::string zip = Archive({Member(c.member, TextBytes(5))});
    std::vector<std::string> words = {"-qq"};
    words.insert(words.end(), c.options.begin(), c.options.end());
    words.insert(words.end(), {zip, "-d", Path("m")});
    RESULT r = Unzip(words);
    EXPECT_EQ(r.status, 0) << c.member << ": " << r.All();
    EXPECT_TRUE(Exists(std::string("m/") + c.file)) << c.member << " -> " << c.file;
    fs::remove_all(root_ / "m");
  }
}

TEST_F(Engine, ExistingFilesUnderNeverUpdateAndFreshen) {
  auto m = Member("f.txt", TextBytes(50));  // 2025-01-01 12:00
  std::string zip = Archive({m, Member("g.txt", TextBytes(60))});
  auto put_old = [&](const char* name, int year) {
    std::string p = Write(std::string("d/") + name, Bytes(3, 'e'));
    OSYS::LOCALTIME t{year, 1, 1, 0, 12, 0, 0, 0};
    ASSERT_TRUE(OSYS::File::SetModificationTime(p.c_str(), t));
  };
  put_old("f.txt", 2030);  // newer than the member
  EXPECT_EQ(Unzip({"-qq", "-n", zip, "-d", Path("d")}).status, 0);
  EXPECT_EQ(Read("d/f.txt").size(), 3u);
  EXPECT_EQ(Unzip({"-qq", "-u", zip, "-d", Path("d")}).status, 0);
  EXPECT_EQ(Read("d/f.txt").size(), 3u);  // newer file stays
  EXPECT_EQ(Read("d/g.txt").size(), 60u);  // missing file created
  fs::remove(root_ / "d/g.txt");
  put_old("f.txt", 2001);  // older than the member
  EXPECT_EQ(Unzip({"-qq", "-f", zip, "-d", Path("d")}).status, 0);
  EXPECT_EQ(Read("d/f.txt").size(), 50u);  // older file replaced
  EXPECT_FALSE(Exists("d/g.txt"));         // freshen creates nothing
  EXPECT_EQ(Unzip({"-qq", zip, "-d", Path("d")}).status, 0);  // default: replace
}

TEST_F(Engine, MemberTimeAndAttributesReachTheFile) {
  auto m = Member("timed.txt", TextBytes(20));
  m.dos_date = static_cast<uint16_t>((2019 - 1980) << 9 | 7 << 5 | 14);  // 2019-07-14
  m.dos_time = static_cast<uint16_t>(9 << 11 | 30 << 5 | 58 / 2);       // 09:30:58
  m.external_attributes = 0x23;  // archive, hidden, read-only
  std::string zip = Archive({m});
  EXPECT_EQ(Unzip({"-qq", zip, "-d", Path("t")}).status, 0);
  std::string p = Path("t/timed.txt");
  OSYS::File::STATUS st;
  ASSERT_TRUE(OSYS::File::Status(p.c_str(), &st));
  OSYS::LOCALTIME t;
  ASSERT_TRUE(OSYS::SecondsToLocalTime(st.Modified, &t));
  EXPECT_EQ(std::vector<int>({t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second}),
            std::vector<int>({2019, 7, 14, 9, 30, 58}));
  EXPECT_FALSE(st.Attributes & OSYS::File::AttrReadOnly);
#ifdef _WIN32
  EXPECT_EQ(st.Attributes & 0x27u, 0x22u);  // hidden and archive as Windows keeps them
#endif
}

TEST_F(Engine, WriteFailureAsksWhetherToGoOn) {
  Bytes data = TextBytes(100000);
  std::string zip = Archive({Member("w.txt", data, METHOD::kStored)});
  // Find the file-layer call that is the first write of the output.
  ConsoleAnswer() = 'n';
  int nth = 0;
  for (int n = 1; n <= 100 && nth == 0; ++n) {
    OSYS::File::FailNthCall(n, OSYS::ErrorDiskFull);
    RESULT r = Unzip({"-qq", zip, "-d", Path("w")});
    OSYS::File::FailNthCall(0, 0);
    if (r.err.find("write error (disk full?).  Continue? (y/n/^C) ") != std::string::npos) {
      nth = n;
      EXPECT_EQ(r.status, 50) << r.All();
    }
  }
  ASSERT_NE(nth, 0);
  ConsoleAnswer() = 'y';
  OSYS::File::FailNthCall(nth, OSYS::ErrorDiskFull);
  RESULT go_on = Unzip({"-qq", zip, "-d", Path("w")});
  OSYS::File::FailNthCall(0, 0);
  ConsoleAnswer() = 'n';
  EXPECT_EQ(go_on.status, 1) << go_on.All();
  EXPECT_EQ(Read("w/w.txt").size(), data.size() - 32768);  // one window piece lost
}

TEST_F(Engine, ScreenOutputCommentAndTestReport) {
  ZIPPACK::ARCHIVEOPTIONS o;
  o.comment = "archive comment here";
  Bytes data = {'s', 'h', 'o', 'w', 'n', '\n'};
  std::string zip = Archive({Member("a.txt", data), Member("b.txt", TextBytes(4000))}, o);
  RESULT screen = Unzip({"-p", zip, "a.txt"});
  EXPECT_EQ(screen.status, 0);
  EXPECT_EQ(screen.out, "shown\n");
  EXPECT_FALSE(Exists("a.txt"));
  RESULT comment = Unzip({"-z", "-l", zip});
  EXPECT_NE(comment.out.find("archive comment here"), std::string::npos) << comment.out;
  RESULT test = Unzip({"-t", zip});
  EXPECT_NE(test.out.find("    testing: b.txt   OK"), std::string::npos) << test.out;
}

TEST_F(Engine, OutOfMemoryGivesStatusFourForBuffersAndFiveForDecoders) {
  struct { const char* member; METHOD method; const char* message; } cases[] = {
      {"s.txt", METHOD::kShrink, "  error:  not enough memory to unshrink s.txt"},
      {"i.txt", METHOD::kImplode, "  error:  not enough memory to explode i.txt"},
      {"d.txt", METHOD::kDeflate, "  error:  not enough memory to inflate d.txt"},
  };
  std::vector<ZIPPACK::MEMBERPLAN> members;
  for (auto& c : cases) members.push_back(Member(c.member, TextBytes(5000), c.method));
  std::string zip = Archive(members);
  for (auto& c : cases) {
    bool buffers = false, decoder = false, succeeded = false;
    for (int n = 1; n <= 20 && !succeeded; ++n) {
      UNZIP::FailNthAllocation(n);
      RESULT r = Unzip({"-qq", zip, c.member, "-d", Path("m")});
      UNZIP::FailNthAllocation(0);
      if (r.status == 4) buffers = r.err.find("error:  can't allocate unzip buffers") != std::string::npos;
      if (r.status == 5) decoder = r.err.find(c.message) != std::string::npos;
      succeeded = r.status == 0;
      EXPECT_TRUE(r.status == 0 || r.status == 4 || r.status == 5) << c.member << " " << n << ": " << r.All();
    }
    EXPECT_TRUE(buffers) << c.member;
    EXPECT_TRUE(decoder) << c.member;
    EXPECT_TRUE(succeeded) << c.member;
  }
  // Not quiet: the longer message.
  RESULT verbose{0, "", ""};
  for (int n = 1; n <= 20 && verbose.status != 5; ++n) {
    UNZIP::FailNthAllocation(n);
    verbose = Unzip({zip, "s.txt", "-d", Path("m")});
    UNZIP::FailNthAllocation(0);
  }
  EXPECT_EQ(verbose.status, 5);
  EXPECT_NE(verbose.err.find("\n  error:  not enough memory for unshrink operation\n"), std::string::npos) << verbose.err;
}

// --- lying sizes ------------------------------------------------------------------

TEST_F(Engine, DeclaredSizesThatLieAreBoundedByTheData) {
  Bytes data = TextBytes(40000);
  auto huge_c = Member("hugec.txt", data, METHOD::kStored);
  huge_c.compressed_size = 0x7fffffff;
  auto huge_u = Member("hugeu.txt", data, METHOD::kDeflate);
  huge_u.uncompressed_size = 0xffffffffu;
  auto small_u = Member("smallu.txt", data, METHOD::kShrink);
  small_u.uncompressed_size = 100;
  auto small_c = Member("smallc.txt", data, METHOD::kImplode);
  small_c.compressed_size = 50;
  std::string zip = Archive({huge_c, huge_u, small_u, small_c});
  Unzip({"-qq", zip, "-d", Path("l")});
  for (const char* name : {"hugec.txt", "hugeu.txt", "smallu.txt", "smallc.txt"}) {
    EXPECT_LE(Read(std::string("l/") + name).size(), fs::file_size(zip)) << name;
  }
  EXPECT_EQ(Read("l/smallu.txt").size(), 100u);
  for (const char* name : {"smallu.txt", "smallc.txt"}) {
    EXPECT_NE(Unzip({"-qq", zip, name, "-d", Path("l")}).status, 0) << name;
  }
}

// --- patterns ---------------------------------------------------------------------

TEST(Patterns, Table) {
  struct { const char* pattern; const char* name; bool ignore_case; bool match; } cases[] = {
      {"*", "any/thing", false, true},       {"*.txt", "dir/a.txt", false, true},
      {"*.txt", "a.txt.bak", false, false},  {"a?c", "abc", false, true},
      {"a?c", "ac", false, false},           {"[a-c]x", "bx", false, true},
      {"[a-c]x", "dx", false, false},        {"[!a-c]x", "dx", false, true},
      {"[^a-c]x", "ax", false, false},       {"[xyz]", "y", false, true},
      {"\\*", "*", false, true},             {"\\*", "a", false, false},
      {"[]]", "]", false, true},             {"[a", "[a", false, true},
      {"README.TXT", "readme.txt", true, true}, {"README.TXT", "readme.txt", false, false},
      {"[A-C]*", "bat", true, true},         {"*a*b*c", "xaxbxc", false, true},
      {"", "", false, true},                 {"", "a", false, false},
  };
  for (auto& c : cases) {
    EXPECT_EQ(UNZIP::MatchPattern(c.pattern, c.name, c.ignore_case), c.match) << c.pattern << " / " << c.name;
  }
}

TEST_F(Engine, PatternsAndExclusionsSelectMembers) {
  std::string zip = Archive({Member("a.txt", {}), Member("b.txt", {}), Member("c.dat", {}), Member("d/e.txt", {})});
  UnzipClearCapture();
  EXPECT_EQ(Unzip({"-v", zip, "*.txt", "-x", "b*"}).status, 0);
  EXPECT_STREQ(UnzipNameTable[0], "a.txt");
  EXPECT_STREQ(UnzipNameTable[1], "d/e.txt");
  EXPECT_STREQ(UnzipNameTable[2], "");
  EXPECT_EQ(Unzip({"-v", "-Z", zip}).status, 10);
}

}  // namespace
}  // namespace UNZIPTEST
