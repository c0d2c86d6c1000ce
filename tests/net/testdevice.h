// TESTDEVICE: a communication device of the tests. What the test supplies is
// what the reader thread receives (through DevGetNumAvail and DevRead, as
// from a line); what the owner writes is recorded. Both builds.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>

#include "net/baseio.h"

class TESTDEVICE : public BASEIO {
 public:
  TESTDEVICE();
  ~TESTDEVICE() override;

  // Bytes the reader thread will receive, after what was supplied before.
  void Supply(const std::string& bytes);
  // The next n reads of the reader thread fail.
  void FailReads(int n);
  std::string Written();
  // The largest amount the reader thread asked DevRead for.
  int LargestRequest();
  // Bytes supplied and not yet taken by the reader thread.
  int Pending();

  bool DevRead(char* buffer, int* length) override;
  bool DevWrite(const char* bytes, int length) override;
  int DevGetNumAvail() override;
  bool DevIsReady() override { return true; }
  bool MakeCall(const char* destination) override;
  bool AcceptCall() override { return false; }
  bool DropCall() override;
  STRING GetInfo(const char* key) override;

  std::string Destination;
  bool Online = false;
  bool RefuseCall = false;  // MakeCall fails with LastErrorString "Host not found"

 protected:
  // Called with the lock held for every write; the script device answers.
  virtual void OnWrite(const char* bytes, int length);
  void SupplyLocked(const std::string& bytes);
  // Releases a waiting DevRead and ends the reader thread; every derived
  // device calls it first in its destructor.
  void Stop();

  std::mutex Guard;
  std::condition_variable Changed;
  std::string Incoming;
  std::string Outgoing;
  int FailingReads = 0;
  int Largest = 0;
  bool Stopping = false;
};
