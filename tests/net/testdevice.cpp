#include "tests/net/testdevice.h"

#include <chrono>
#include <cstring>

TESTDEVICE::TESTDEVICE() : BASEIO("test-id", nullptr, nullptr, true) { StartEvent.Set(); }

TESTDEVICE::~TESTDEVICE() { Stop(); }

void TESTDEVICE::Stop() {
  {
    std::lock_guard<std::mutex> hold(Guard);
    Stopping = true;
  }
  Changed.notify_all();
  KillDaemon();
}

void TESTDEVICE::Supply(const std::string& bytes) {
  std::lock_guard<std::mutex> hold(Guard);
  SupplyLocked(bytes);
}

void TESTDEVICE::SupplyLocked(const std::string& bytes) {
  Incoming += bytes;
  Changed.notify_all();
}

void TESTDEVICE::FailReads(int n) {
  std::lock_guard<std::mutex> hold(Guard);
  FailingReads = n;
}

std::string TESTDEVICE::Written() {
  std::lock_guard<std::mutex> hold(Guard);
  return Outgoing;
}

int TESTDEVICE::LargestRequest() {
  std::lock_guard<std::mutex> hold(Guard);
  return Largest;
}

int TESTDEVICE::Pending() {
  std::lock_guard<std::mutex> hold(Guard);
  return static_cast<int>(Incoming.size());
}

bool TESTDEVICE::DevRead(char* buffer, int* length) {
  std::unique_lock<std::mutex> hold(Guard);
  if (*length > Largest) Largest = *length;
  if (FailingReads > 0) {
    --FailingReads;
    *length = 0;
    return false;
  }
  // Like a blocking socket: wait a while for the next byte.
  Changed.wait_for(hold, std::chrono::milliseconds(200), [this] { return Stopping || !Incoming.empty(); });
  int n = *length < static_cast<int>(Incoming.size()) ? *length : static_cast<int>(Incoming.size());
  std::memcpy(buffer, Incoming.data(), static_cast<std::size_t>(n));
  Incoming.erase(0, static_cast<std::size_t>(n));
  *length = n;
  return true;
}

int TESTDEVICE::DevGetNumAvail() {
  std::lock_guard<std::mutex> hold(Guard);
  return static_cast<int>(Incoming.size());
}

bool TESTDEVICE::DevWrite(const char* bytes, int length) {
  std::lock_guard<std::mutex> hold(Guard);
  if (!Online) return false;
  Outgoing.append(bytes, static_cast<std::size_t>(length));
  OnWrite(bytes, length);
  return true;
}

void TESTDEVICE::OnWrite(const char*, int) {}

bool TESTDEVICE::MakeCall(const char* destination) {
  std::lock_guard<std::mutex> hold(Guard);
  Destination = destination;
  if (RefuseCall) {
    LastError = 4098;
    LastErrorString = "Host not found";
    return false;
  }
  Online = true;
  return true;
}

bool TESTDEVICE::DropCall() {
  std::lock_guard<std::mutex> hold(Guard);
  Online = false;
  return true;
}

STRING TESTDEVICE::GetInfo(const char* key) {
  STRING k(key);
  if (k == "ONLINE") {
    std::lock_guard<std::mutex> hold(Guard);
    return Online ? "1" : "0";
  }
  return BASEIO::GetInfo(key);
}
