// Listing, copying and deleting the tree D = {a.txt, sub\b.txt}: the counts
// and the orders the installer and uninstaller rely on, read-only and busy
// files, failures from the seam, and what must never be deleted.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "osys/file.h"
#include "osys/filesystem.h"
#include "osys/osys.h"
#include "osys/paths.h"
#include "osys/platform.h"
#include "osys/tree.h"
#include "tests/foundation/support.h"

namespace {

using testsupport::PathIn;

std::string Text(const STRING& s) { return s.Buffer != nullptr ? std::string(s.Buffer) : std::string("<null>"); }

std::vector<std::string> Items(const DYNARRAY& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(Text(*list.ItemAt(i)));
  return items;
}

size_t IndexOf(const std::vector<std::string>& items, const std::string& item) {
  return static_cast<size_t>(std::find(items.begin(), items.end(), item) - items.begin());
}

// The file-system calls of the tree functions while it lives, as
// "call path" lines.
class CallLog {
 public:
  CallLog() {
    Clear();
    Previous = OSYS::FileSystem::WatchCalls(Record);
  }
  ~CallLog() { OSYS::FileSystem::WatchCalls(Previous); }
  CallLog(const CallLog&) = delete;
  CallLog& operator=(const CallLog&) = delete;

  // Every call, directory searches included.
  static std::vector<std::string> All() {
    std::lock_guard<std::mutex> hold(Lock);
    return Log;
  }
  // The calls that change something.
  static std::vector<std::string> Changes() {
    std::vector<std::string> changes;
    for (const std::string& call : All())
      if (call.rfind("FindFirstFileA ", 0) != 0) changes.push_back(call);
    return changes;
  }
  static void Clear() {
    std::lock_guard<std::mutex> hold(Lock);
    Log.clear();
  }

 private:
  static void Record(const char* call, const char* path) {
    std::lock_guard<std::mutex> hold(Lock);
    Log.push_back(std::string(call) + " " + path);
  }
  OSYS::FileSystem::WATCHER Previous;
  static inline std::mutex Lock;
  static inline std::vector<std::string> Log;
};

class Tree : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = testsupport::ScratchDirectory("tree");
    D = PathIn(Root, "D");
    A = PathIn(D, "a.txt");
    Sub = PathIn(D, "sub");
    B = PathIn(Sub, "b.txt");
    ASSERT_TRUE(OSYS::MakePath(Sub.c_str()));
    testsupport::WriteFile(A, "file a");
    testsupport::WriteFile(B, "file b");
  }
  void TearDown() override {
    OSYS::FileSystem::FailNthCall(0, 0);
    OSYS::File::SetAttributes(A.c_str(), OSYS::File::AttrNormal);
    OSYS::DeleteTree(Root.c_str(), "*.*", true);
  }
  std::string Root, D, A, Sub, B;
};

TEST_F(Tree, ListingPutsEachDirectoryAfterItsContents) {
  DYNARRAY list;
  EXPECT_EQ(OSYS::ListFiles(D.c_str(), "*.*", &list, true), 3);
  std::vector<std::string> items = Items(list);
  ASSERT_EQ(items.size(), 3u);
  std::vector<std::string> sorted = items;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<std::string>{A, Sub, B}));
  EXPECT_LT(IndexOf(items, B), IndexOf(items, Sub));

  EXPECT_EQ(OSYS::ListFiles(D.c_str(), "*.*", nullptr, true), 3) << "counting without a list";
  DYNARRAY flat;
  EXPECT_EQ(OSYS::ListFiles(D.c_str(), "*.*", &flat, false), 1) << "without recursion: files only";
  EXPECT_EQ(Items(flat), std::vector<std::string>{A});
}

TEST_F(Tree, ListingEntersOnlyDirectoriesThatMatchAndDoNotBeginWithADot) {
  std::string hidden = PathIn(D, ".hidden");
  ASSERT_TRUE(OSYS::MakePath(hidden.c_str()));
  testsupport::WriteFile(PathIn(hidden, "c.txt"), "c");
  testsupport::WriteFile(PathIn(D, ".dot"), "d");
  DYNARRAY all;
  EXPECT_EQ(OSYS::ListFiles(D.c_str(), "*.*", &all, true), 4) << "the file .dot counts, .hidden is not entered";
  std::vector<std::string> items = Items(all);
  EXPECT_EQ(std::count(items.begin(), items.end(), hidden), 0);
  EXPECT_EQ(std::count(items.begin(), items.end(), PathIn(D, ".dot")), 1);

  DYNARRAY texts;
  EXPECT_EQ(OSYS::ListFiles(D.c_str(), "*.txt", &texts, true), 1) << "sub does not match *.txt";
  EXPECT_EQ(Items(texts), std::vector<std::string>{A});
  EXPECT_EQ(OSYS::ListFiles(PathIn(Root, "missing").c_str(), "*.*", nullptr, true), 0);
}

TEST_F(Tree, DeletingRemovesFilesThenDirectoriesInnerFirst) {
  std::string neighbour = PathIn(Root, "Dx.txt");
  testsupport::WriteFile(neighbour, "stays");
  CallLog log;
  EXPECT_EQ(OSYS::DeleteTree(D.c_str(), "*.*", true), 2);
  std::vector<std::string> calls = CallLog::Changes();
  ASSERT_EQ(calls.size(), 4u);
  std::vector<std::string> files(calls.begin(), calls.begin() + 2);
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"DeleteFileA " + A, "DeleteFileA " + B}));
  EXPECT_EQ(calls[2], "RemoveDirectoryA " + Sub);
  EXPECT_EQ(calls[3], "RemoveDirectoryA " + D);
  EXPECT_FALSE(OSYS::FileExists(D.c_str()));
  EXPECT_EQ(testsupport::ReadFile(neighbour), "stays");
}

TEST_F(Tree, DeletingTakesAReadOnlyFileToo) {
  ASSERT_TRUE(OSYS::File::SetAttributes(A.c_str(), OSYS::File::AttrReadOnly));
  EXPECT_EQ(OSYS::DeleteTree(D.c_str(), "*.*", true), 2);
  EXPECT_FALSE(OSYS::FileExists(A.c_str()));
  EXPECT_FALSE(OSYS::FileExists(D.c_str()));
}

TEST_F(Tree, AFileThatCannotBeDeletedKeepsItsDirectories) {
  // The calls are the searches of D and D/sub, then the deletions.
  OSYS::FileSystem::FailNthCall(3, OSYS::ErrorSharingViolation);
  EXPECT_EQ(OSYS::DeleteTree(D.c_str(), "*.*", true), 2);
  int kept = OSYS::FileExists(A.c_str()) + OSYS::FileExists(B.c_str());
  EXPECT_EQ(kept, 1) << "only the failed file stays";
  EXPECT_TRUE(OSYS::IsDirectory(D.c_str()));
}

#ifdef _WIN32
TEST_F(Tree, AFileInUseStaysWithItsContentAndItsDirectories) {
  OSYS::File::Handle busy = OSYS::File::Open(B.c_str(), OSYS::File::Access::Read, OSYS::File::Share::None);
  ASSERT_NE(busy, nullptr);
  EXPECT_EQ(OSYS::DeleteTree(D.c_str(), "*.*", true), 2);
  OSYS::File::Close(busy);
  EXPECT_FALSE(OSYS::FileExists(A.c_str()));
  EXPECT_EQ(testsupport::ReadFile(B), "file b");
  EXPECT_TRUE(OSYS::IsDirectory(Sub.c_str()));
}
#endif

TEST_F(Tree, AnEmptyDirectoryNeverStandsForTheCurrentOne) {
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(D);
  EXPECT_EQ(OSYS::DeleteTree("", "*.*", true), 0);
  EXPECT_EQ(OSYS::DeleteTree(nullptr, "*.*", true), 0);
  EXPECT_FALSE(OSYS::CopyTree("", PathIn(Root, "E").c_str(), "*.*", true, false));
  std::filesystem::current_path(previous);
  EXPECT_TRUE(OSYS::FileExists(A.c_str()));
  EXPECT_TRUE(OSYS::FileExists(B.c_str()));
  EXPECT_FALSE(OSYS::FileExists(PathIn(Root, "E").c_str()));
}

// The uninstaller deletes trees on a worker thread of OSYS::CreateThread.
TEST_F(Tree, ADeepTreeIsDeletedOnAWorkerThread) {
  std::string deep = PathIn(Root, "deep");
  std::string path = deep;
  for (int level = 0; level < 90; ++level) path = PathIn(path, "d");
  ASSERT_TRUE(OSYS::MakePath(path.c_str()));
  testsupport::WriteFile(PathIn(path, "f.txt"), "f");
  struct JOB {
    std::string Directory;
    int Removed = -1;
  } job{deep};
  OSYS::THREADHANDLE worker = OSYS::CreateThread(
      [](void* parameter) -> unsigned {
        auto* j = static_cast<JOB*>(parameter);
        j->Removed = OSYS::DeleteTree(j->Directory.c_str(), "*.*", true);
        return 0;
      },
      &job);
  ASSERT_TRUE(OSYS::WaitThread(worker, 60000));
  EXPECT_EQ(job.Removed, 91);
  EXPECT_FALSE(OSYS::FileExists(deep.c_str()));
}

TEST_F(Tree, CopyingMakesEachDirectoryBeforeItsContents) {
  std::string E = PathIn(Root, "E");
  CallLog log;
  EXPECT_TRUE(OSYS::CopyTree(D.c_str(), E.c_str(), "*.*", true, true));
  std::vector<std::string> calls = CallLog::Changes();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0], "CreateDirectoryA " + E);
  size_t makeSub = IndexOf(calls, "CreateDirectoryA " + PathIn(E, "sub"));
  size_t copyB = IndexOf(calls, "CopyFileA " + B);
  EXPECT_LT(makeSub, copyB);
  EXPECT_LT(IndexOf(calls, "CopyFileA " + A), calls.size());
  EXPECT_EQ(testsupport::ReadFile(PathIn(E, "a.txt")), "file a");
  EXPECT_EQ(testsupport::ReadFile(PathIn(PathIn(E, "sub"), "b.txt")), "file b");

  EXPECT_FALSE(OSYS::CopyTree(D.c_str(), E.c_str(), "*.*", true, true)) << "the files exist";
  testsupport::WriteFile(A, "changed");
  EXPECT_TRUE(OSYS::CopyTree(D.c_str(), E.c_str(), "*.*", true, false)) << "overwriting";
  EXPECT_EQ(testsupport::ReadFile(PathIn(E, "a.txt")), "changed");
}

TEST_F(Tree, CopyingGoesOnAfterAFailedFile) {
  // A first copy shows which call is the first file copy; a second copy of
  // the same tree makes the same calls, and that one fails.
  size_t first = 0;
  std::string copied;
  {
    CallLog log;
    ASSERT_TRUE(OSYS::CopyTree(D.c_str(), PathIn(Root, "E1").c_str(), "*.*", true, true));
    std::vector<std::string> calls = CallLog::All();
    while (first < calls.size() && calls[first].rfind("CopyFileA ", 0) != 0) ++first;
    ASSERT_LT(first, calls.size());
    copied = calls[first].substr(std::string("CopyFileA ").size());
  }
  std::string E = PathIn(Root, "E2");
  OSYS::FileSystem::FailNthCall(static_cast<int>(first + 1), OSYS::ErrorDiskFull);
  EXPECT_FALSE(OSYS::CopyTree(D.c_str(), E.c_str(), "*.*", true, true));
  std::string failedTarget = E + copied.substr(D.size());
  std::string otherTarget = E + (copied == A ? B : A).substr(D.size());
  EXPECT_FALSE(OSYS::FileExists(failedTarget.c_str()));
  EXPECT_TRUE(OSYS::FileExists(otherTarget.c_str())) << "the other file is still copied";
}

#ifdef _WIN32
TEST_F(Tree, CopyingToAForbiddenNameMakesNothing) {
  std::string target = PathIn(Root, "E|1");
  EXPECT_FALSE(OSYS::CopyTree(D.c_str(), target.c_str(), "*.*", true, false));
  DYNARRAY left;
  EXPECT_EQ(OSYS::ListFiles(Root.c_str(), "*.*", &left, true), 4) << "only the tree D is there";
}
#else
TEST_F(Tree, DeletingDoesNotFollowALinkOutOfTheTree) {
  std::string outside = PathIn(Root, "outside");
  ASSERT_TRUE(OSYS::MakePath(outside.c_str()));
  testsupport::WriteFile(PathIn(outside, "keep.txt"), "keep");
  std::filesystem::create_directory_symlink(outside, PathIn(D, "link"));
  EXPECT_EQ(OSYS::ListFiles(D.c_str(), "*.*", nullptr, true), 4) << "the link counts as an empty directory";
  OSYS::DeleteTree(D.c_str(), "*.*", true);
  EXPECT_EQ(testsupport::ReadFile(PathIn(outside, "keep.txt")), "keep");
  EXPECT_FALSE(OSYS::FileExists(A.c_str()));
  std::filesystem::remove(PathIn(D, "link"));
}
#endif

}  // namespace
