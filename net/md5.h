// MD5 (RFC 1321) and HMAC-MD5 (RFC 2104, block size 64), as AUTH CRAM-MD5
// needs them. Both give the 16 raw digest bytes as a STRING; a length of -1
// takes a zero-terminated text.
#pragma once

#include "foundation/str.h"

constexpr int MD5_DIGESTSIZE = 16;

STRING MD5(const char* bytes, int length);

// A key longer than 64 bytes is replaced by its MD5 digest.
STRING HMAC_MD5(const char* key, int keyLength, const char* text, int textLength);
