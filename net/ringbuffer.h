// RINGBUFFER: the thread-safe byte queue between a device's reader thread
// (the producer) and the device's owner (the consumer).
//
// Head counts the bytes written and Tail the bytes read since the queue was
// last empty; byte k of the stream lives at Data[k % Size]. Both counters go
// back to 0 whenever a read empties the queue. Every access to the counters
// and the storage is under Lock; DataReady is set by every write and cleared
// by the read that empties the queue, so a reader can wait for data without
// holding the lock.
#pragma once

#include "osys/sync.h"

class RINGBUFFER {
 public:
  // Storage of initsize bytes; when it cannot be had the report "this->Data"
  // is raised and every write fails.
  explicit RINGBUFFER(int initsize);
  ~RINGBUFFER();
  RINGBUFFER(const RINGBUFFER&) = delete;
  RINGBUFFER& operator=(const RINGBUFFER&) = delete;

  // Stores n bytes, waiting in 100 ms steps (the lock released) while there
  // is not enough free space. False when there is no storage, when n exceeds
  // the capacity, or when giveUp is set while waiting for space (the bytes
  // are then dropped).
  bool Write(const char* bytes, int n, EVENTSEM* giveUp = nullptr);

  // Delivers up to *length bytes into destination. An empty queue is waited
  // on for at most timeout ms (not at all when timeout <= 0). With a stop set
  // (a zero-terminated text; the zero byte always counts as a member), the
  // delivery ends after the first queued byte that is in it. *length is set
  // to the count delivered; true when it is not 0.
  bool Read(char* destination, int* length, int timeout, const char* stopSet);

  MUTEXSEM Lock;
  EVENTSEM DataReady;
  char* Data;
  int Head;
  int Tail;
  int Size;

 private:
  void CopyIn(const char* bytes, int n);
  void CopyOut(char* destination, int n);
  int HeldCount();
};
