// EVENTSEM, MUTEXSEM, CRITSECT and the thread services.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "foundation/globals.h"
#include "foundation/log.h"
#include "osys/osys.h"
#include "osys/sync.h"
#include "tests/foundation/support.h"

namespace {

struct SHARED {
  EVENTSEM Go;
  EVENTSEM Done;
  MUTEXSEM* Mutex = nullptr;
  CRITSECT* Section = nullptr;
  std::atomic<int> Result{-1};
  int Counter = 0;
};

TEST(EventSem, ManualResetStaysSetUntilReset) {
  EVENTSEM event;
  EXPECT_FALSE(event.Wait(0));
  EXPECT_FALSE(event.Wait(20));
  event.Set();
  EXPECT_TRUE(event.Wait(0));
  EXPECT_TRUE(event.Wait(0)) << "manual reset: still set";
  event.Reset();
  EXPECT_FALSE(event.Wait(0));
  EVENTSEM initially(true);
  EXPECT_TRUE(initially.Wait(0));
}

TEST(EventSem, WakesAWaitingThread) {
  SHARED shared;
  OSYS::THREADHANDLE thread = OSYS::CreateThread(
      [](void* p) -> unsigned {
        auto* s = static_cast<SHARED*>(p);
        s->Result = s->Go.Wait(SEM_INDEFINITE_WAIT) ? 1 : 0;
        s->Done.Set();
        return 0;
      },
      &shared);
  ASSERT_NE(thread, nullptr);
  EXPECT_FALSE(OSYS::WaitThread(thread, 0)) << "still waiting for the event";
  shared.Go.Set();
  EXPECT_TRUE(shared.Done.Wait(10000));
  EXPECT_TRUE(OSYS::WaitThread(thread, 10000));
  EXPECT_EQ(shared.Result, 1);
}

TEST(MutexSem, OwnerMayRequestAgainOthersWait) {
  MUTEXSEM mutex;
  ASSERT_TRUE(mutex.Request(0));
  ASSERT_TRUE(mutex.Request(0)) << "re-entrant for its owner";
  SHARED shared;
  shared.Mutex = &mutex;
  auto tryFromOtherThread = [&shared] {
    OSYS::THREADHANDLE t = OSYS::CreateThread(
        [](void* p) -> unsigned {
          auto* s = static_cast<SHARED*>(p);
          bool got = s->Mutex->Request(0);
          if (got) s->Mutex->Release();
          s->Result = got ? 1 : 0;
          return 0;
        },
        &shared);
    EXPECT_TRUE(OSYS::WaitThread(t, 10000));
    return shared.Result.load();
  };
  EXPECT_EQ(tryFromOtherThread(), 0);
  mutex.Release();
  EXPECT_EQ(tryFromOtherThread(), 0) << "one release per request";
  mutex.Release();
  EXPECT_EQ(tryFromOtherThread(), 1);
}

TEST(MutexSem, ReleaseWithoutOwnershipIsReported) {
  testsupport::ReportCapture capture;
  MUTEXSEM mutex;
  mutex.Release();
  EXPECT_EQ(capture.Conditions(), std::vector<std::string>{"ok"});
}

TEST(CritSect, ReentrantAndExclusive) {
  CRITSECT section;
  section.Enter();
  section.Enter();
  section.Leave();
  section.Leave();
  SHARED shared;
  shared.Section = &section;
  auto work = [](void* p) -> unsigned {
    auto* s = static_cast<SHARED*>(p);
    for (int i = 0; i < 20000; ++i) {
      CRITSECTLOCK hold(s->Section);
      ++s->Counter;
    }
    return 0;
  };
  OSYS::THREADHANDLE a = OSYS::CreateThread(work, &shared);
  OSYS::THREADHANDLE b = OSYS::CreateThread(work, &shared);
  EXPECT_TRUE(OSYS::WaitThread(a, SEM_INDEFINITE_WAIT));
  EXPECT_TRUE(OSYS::WaitThread(b, SEM_INDEFINITE_WAIT));
  EXPECT_EQ(shared.Counter, 40000);
}

TEST(Sync, TracesAtTheirLevels) {
  std::string home = testsupport::ScratchDirectory("synctrace");
  HomeDirectory = home.c_str();
  LogSwitch("/LOGIT:sync.log");
  {
    EVENTSEM event;
    event.Set();
  }
  LogSwitch("/LOG:12");
  {
    EVENTSEM event;
    event.Set();
    event.Wait(0);
    MUTEXSEM mutex(false, "named");
    mutex.Request(0);
    mutex.Release();
  }
  OSYS::THREADHANDLE t = OSYS::CreateThread([](void*) -> unsigned { return 0; }, nullptr);
  OSYS::WaitThread(t, 5000);
  LogSwitch("/LOGITCLOSE");
  HomeDirectory = STRING();
  std::string log = testsupport::ReadFile(testsupport::PathIn(home, "sync.log"));
  for (const char* line : {"EVENTSEM::EVENTSEM created ", "EVENTSEM::Set ", "EVENTSEM::Wait ", " rc=0\r\n",
                           "EVENTSEM::~EVENTSEM deleted ", "MUTEXSEM::MUTEXSEM created ", ", name= named\r\n",
                           "MUTEXSEM::MUTEXSEM obtained ", "MUTEXSEM::MUTEXSEM released ", " rc= 1\r\n",
                           "MUTEXSEM::MUTEXSEM delete ", "OSYS::CreateThread returned ",
                           "OSYS::WaitThread hThread="})
    EXPECT_NE(log.find(line), std::string::npos) << line;
  // Before "/LOG:12" the mask let none of the levelled lines through.
  size_t first = log.find("EVENTSEM::");
  EXPECT_GT(first, log.find("Running as ")) << log;
  EXPECT_EQ(log.find("EVENTSEM::EVENTSEM created "), log.rfind("EVENTSEM::EVENTSEM created "));
}

TEST(Threads, WaitWithoutTimeWritesNoTrace) {
  std::string home = testsupport::ScratchDirectory("waittrace");
  HomeDirectory = home.c_str();
  LogSwitch("/LOGIT:wait.log");
  EVENTSEM release;
  OSYS::THREADHANDLE t = OSYS::CreateThread(
      [](void* p) -> unsigned {
        static_cast<EVENTSEM*>(p)->Wait(SEM_INDEFINITE_WAIT);
        return 0;
      },
      &release);
  EXPECT_FALSE(OSYS::WaitThread(t, 0));
  LogPrintf("marker\n");
  release.Set();
  EXPECT_TRUE(OSYS::WaitThread(t, 10000));
  LogSwitch("/LOGITCLOSE");
  HomeDirectory = STRING();
  std::string log = testsupport::ReadFile(testsupport::PathIn(home, "wait.log"));
  size_t marker = log.find("marker");
  ASSERT_NE(marker, std::string::npos);
  EXPECT_EQ(log.substr(0, marker).find("WaitThread"), std::string::npos);
  EXPECT_NE(log.find("timeout= 10000\r\n", marker), std::string::npos);
}

}  // namespace
