// The file layer: open modes, reads, writes, 64-bit seeks, names and
// attributes, errors as error numbers, and the failure seam.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "osys/file.h"
#include "osys/osys.h"
#include "osys/platform.h"
#include "tests/foundation/support.h"

namespace {

using namespace OSYS;
using testsupport::PathIn;

using FileLayer = testsupport::ScratchTest;

TEST_F(FileLayer, WriteAppendReadSeek) {
  std::string name = In("data.bin");
  File::Handle f = File::Open(name.c_str(), File::Access::Write);
  ASSERT_NE(f, nullptr);
  ASSERT_TRUE(File::Write(f, "hello\r\n\x1a" "z", 9));
  EXPECT_EQ(File::Tell(f), 9);
  EXPECT_TRUE(File::Close(f));

  f = File::Open(name.c_str(), File::Access::Append);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(File::Tell(f), 9) << "appending starts at the end";
  ASSERT_TRUE(File::Write(f, "!", 1));
  File::Close(f);

  f = File::Open(name.c_str(), File::Access::Read);
  ASSERT_NE(f, nullptr);
  {
    File::CLOSER closer(f);
    EXPECT_EQ(File::Size(f), 10);
    char buf[32] = {};
    EXPECT_EQ(File::Read(f, buf, sizeof buf), 10);
    EXPECT_EQ(std::memcmp(buf, "hello\r\n\x1az!", 10), 0) << "bytes go through unchanged";
    EXPECT_EQ(File::Read(f, buf, sizeof buf), 0);
    EXPECT_EQ(File::Seek(f, 2, File::Origin::Begin), 2);
    EXPECT_EQ(File::Read(f, buf, 3), 3);
    EXPECT_EQ(std::string(buf, 3), "llo");
    EXPECT_EQ(File::Seek(f, -1, File::Origin::End), 9);
    const std::int64_t far = 5LL << 30;
    EXPECT_EQ(File::Seek(f, far, File::Origin::Begin), far) << "positions beyond 4 GiB";
    EXPECT_EQ(File::Tell(f), far);
  }
#ifdef _WIN32
  {
    File::Handle reader = File::Open(name.c_str(), File::Access::Read, File::Share::Read);
    EXPECT_EQ(File::Open(name.c_str(), File::Access::Write), nullptr) << "a reader that denies writing";
    EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorSharingViolation);
    File::Close(reader);
  }
#endif

  f = File::Open(name.c_str(), File::Access::Write);
  EXPECT_EQ(File::Size(f), 0) << "writing truncates";
  File::Close(f);
}

TEST_F(FileLayer, FailuresGiveErrorNumbers) {
  OSYS::SetLastError(0);
  EXPECT_EQ(File::Open(In("missing.txt").c_str(), File::Access::Read), nullptr);
  EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorFileNotFound);
  EXPECT_NE(std::string(OSYS::ErrorText(OSYS::ERRORTEXT_LAST).Buffer), "<no error>");

  std::string nested = In("no-such-dir") + (Dir.find('\\') != std::string::npos ? "\\x.txt" : "/x.txt");
  EXPECT_EQ(File::Open(nested.c_str(), File::Access::Write), nullptr);
  EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorPathNotFound);

  EXPECT_FALSE(File::Remove(In("missing.txt").c_str()));
  EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorFileNotFound);
  EXPECT_EQ(File::Open(nullptr, File::Access::Read), nullptr);
  EXPECT_EQ(File::Read(nullptr, nullptr, 1), -1);
  EXPECT_FALSE(File::Write(nullptr, "x", 1));
  EXPECT_EQ(File::Seek(nullptr, 0, File::Origin::Begin), -1);
  EXPECT_TRUE(File::Close(nullptr));
}

TEST_F(FileLayer, DirectoriesAttributesAndTimes) {
  std::string sub = In("sub");
  EXPECT_FALSE(File::Exists(sub.c_str()));
  ASSERT_TRUE(File::MakeDirectory(sub.c_str()));
  EXPECT_TRUE(File::IsDirectory(sub.c_str()));
  EXPECT_FALSE(File::MakeDirectory(sub.c_str()));
  EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorAlreadyExists);

  std::string name = In("file.txt");
  testsupport::WriteFile(name, "abc");
  EXPECT_TRUE(File::Exists(name.c_str()));
  EXPECT_FALSE(File::IsDirectory(name.c_str()));
  EXPECT_EQ(File::GetAttributes(name.c_str()) & File::AttrReadOnly, 0u);
  ASSERT_TRUE(File::SetAttributes(name.c_str(), File::AttrReadOnly));
  EXPECT_NE(File::GetAttributes(name.c_str()) & File::AttrReadOnly, 0u);
  ASSERT_TRUE(File::SetAttributes(name.c_str(), File::AttrNormal));
  EXPECT_EQ(File::GetAttributes(name.c_str()) & File::AttrReadOnly, 0u);
  EXPECT_EQ(File::GetAttributes(In("missing").c_str()), File::AttrInvalid);

  LOCALTIME when{2003, 3, 13, 0, 10, 40, 58, 0};
  ASSERT_TRUE(File::SetModificationTime(name.c_str(), when));
  File::STATUS status{};
  ASSERT_TRUE(File::Status(name.c_str(), &status));
  EXPECT_EQ(status.Size, 3);
  OSYS::LOCALTIME back = OSYS::Platform::ToLocalTime(status.Modified);
  EXPECT_EQ(back.Year, 2003);
  EXPECT_EQ(back.Month, 3);
  EXPECT_EQ(back.Day, 13);
  EXPECT_EQ(back.Hour, 10);
  EXPECT_EQ(back.Minute, 40);
  EXPECT_EQ(back.Second, 58);

  EXPECT_TRUE(File::Remove(name.c_str()));
  EXPECT_FALSE(File::Exists(name.c_str()));
}

TEST_F(FileLayer, TheNthCallFailsOnRequest) {
  std::string name = In("seam.txt");
  File::FailNthCall(2, OSYS::ErrorDiskFull);
  File::Handle f = File::Open(name.c_str(), File::Access::Write);
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(File::Write(f, "abc", 3));
  EXPECT_EQ(OSYS::GetLastError(), OSYS::ErrorDiskFull);
  EXPECT_TRUE(File::Write(f, "abc", 3)) << "only the nth call fails";
  File::Close(f);
  File::FailNthCall(1, OSYS::ErrorAccessDenied);
  File::FailNthCall(0, 0);
  f = File::Open(name.c_str(), File::Access::Read);
  EXPECT_NE(f, nullptr) << "0 switches the seam off";
  File::Close(f);
}

}  // namespace
