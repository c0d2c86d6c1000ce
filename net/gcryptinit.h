// libgcrypt must be initialised once per process before its first use.
#pragma once

// Initialises libgcrypt unless that has been done already; thread-safe.
void EnsureGcrypt();
