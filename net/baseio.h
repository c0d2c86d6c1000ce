// BASEIO: the abstract base of the communication devices. A device holds one
// call to a peer; a reader thread of its own (Daemon) receives through the
// device primitives and hands the bytes to the receive queue Ring, from which
// the owner reads with a time-out (Read), or to a data handler the owner
// installs. The owner sends with Write.
//
// A concrete device supplies the primitives DevRead, DevWrite and
// DevGetNumAvail and the call control. It passes startSuspended = true and
// sets StartEvent as the last step of its own construction, so that the
// reader thread never calls a primitive of a half-built object, and it ends
// its call and calls KillDaemon in its own destructor, while the members the
// primitives use still exist.
//
// The virtual operations keep a fixed slot order; derived devices override
// slots and add none in between.
#pragma once

#include "foundation/str.h"
#include "net/ringbuffer.h"
#include "osys/osys.h"
#include "osys/sync.h"

// Capacity of a device's receive queue.
constexpr int BASEIO_RINGSIZE = 65536;
// The most the reader thread asks a device for in one pass.
constexpr int BASEIO_PACKETSIZE = 8192;

class BASEIO {
 public:
  using NOTIFYHANDLER = void (*)(void* user, int code);
  using DATAHANDLER = void (*)(void* user, const char* bytes, int length);

  // Null texts give empty ones. The reader thread starts at once, and runs
  // its first pass when StartEvent is set.
  BASEIO(const char* ourId, const char* callType, const char* holdOnError, bool startSuspended);
  BASEIO(const BASEIO&) = delete;
  BASEIO& operator=(const BASEIO&) = delete;

  // --- slots 0-12 -----------------------------------------------------------
  // Reads what is waiting (at most *length bytes); sets *length to the count
  // delivered. The base waits 250 ms and delivers nothing.
  virtual bool DevRead(char* buffer, int* length);
  virtual bool DevWrite(const char* bytes, int length) = 0;
  // Bytes that can be read without waiting; the base has none.
  virtual int DevGetNumAvail();
  virtual ~BASEIO();
  virtual bool DevIsReady() = 0;
  virtual bool MakeCall(const char* destination) = 0;
  virtual bool AcceptCall() = 0;
  // True when the device is offline afterwards.
  virtual bool DropCall() = 0;
  // Stored only; no device of this system calls the notify handler.
  virtual void SetNotifyHandler(NOTIFYHANDLER handler, void* user);
  // With a data handler installed, received bytes go to it (on the reader
  // thread) instead of Ring. Install it before a call is placed.
  virtual void SetDataHandler(DATAHANDLER handler, void* user);
  virtual void SetCallType(const char* callType);
  virtual void SetOurId(const char* ourId);
  // Status by key (case-insensitive): "ONLINE", "LASTERROR",
  // "LASTERRORSTRING", "OWNID", "CALLERID", "DEVICENAME"; any other key
  // gives "BASEIO::BAD-REQUEST".
  virtual STRING GetInfo(const char* key);

  // --- the owner's side -----------------------------------------------------
  // Fills buffer from the receive queue until *length bytes arrived, timeout
  // ms have passed, or (with a stop set) the last byte delivered is in it.
  // *length becomes the count delivered; true when it is not 0. A time-out of
  // 0 takes only what is queued already.
  bool Read(char* buffer, int* length, int timeout, const char* stopSet);
  // The result of DevWrite; length -1 sends a zero-terminated text without
  // its terminator.
  bool Write(const char* bytes, int length);

  // --- the reader thread's side ---------------------------------------------
  // One received packet: to the data handler (true), else into Ring.
  bool Feed(const char* bytes, int length);
  // The reader thread's body.
  void Daemon();
  // Ends the reader thread and waits for it; harmless when repeated.
  void KillDaemon();

  RINGBUFFER Ring;
  EVENTSEM KillEvent;
  OSYS::THREADHANDLE DaemonThread;
  STRING OurId;
  STRING CallType;
  STRING HoldOnError;
  int LastError;
  STRING LastErrorString;
  EVENTSEM StartEvent;
  void* NotifyUser;
  NOTIFYHANDLER NotifyHandler;
  void* DataUser;
  DATAHANDLER DataHandler;
};

// The decimal value of GetInfo(key) (an empty or non-numeric text is 0).
int InfoNumber(BASEIO* device, const char* key);
