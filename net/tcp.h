// TCP: the line-oriented command and reply layer that the mail client uses
// on any BASEIO device.
#pragma once

class BASEIO;

namespace TCP {

// One reply line into buffer (zero-filled first): at most size - 1 bytes up
// to and including "\n", which is dropped together with every "\r". A
// longer line is cut; its rest stays queued for the next read. True when
// anything was read.
bool ReadLine(BASEIO* device, char* buffer, int size, int timeout);

// Sends command + "\r\n". With a reply buffer and a time-out other than 0,
// reads the reply line and returns ReadLine's result; otherwise true. The
// trace masks what follows "PASS " (and "LOGIN " in IMAP commands); the
// line sent is never changed.
bool WriteCmd(BASEIO* device, const char* command, char* reply, int size, int timeout);

}  // namespace TCP
