#include "net/gcryptinit.h"

#include <gcrypt.h>

void EnsureGcrypt() {
  static const bool initialised = [] {
    if (!gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P)) {
      gcry_check_version(nullptr);
      // Keys and digests here are short-lived texts of the mail; no secure
      // memory pool is needed.
      gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
      gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    }
    return true;
  }();
  (void)initialised;
}
