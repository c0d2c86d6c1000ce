// printf-style formatting with the same (C99) behaviour in both builds: the
// product build formats with mingw's own C99 formatter, not the system
// library's, so "%lld", "%zu" and friends mean the same everywhere.
#pragma once

#include <cstdarg>
#include <cstddef>

#if defined(__MINGW32__)
#define HALVIX_PRINTF(format_index, first_arg) __attribute__((format(gnu_printf, format_index, first_arg)))
#else
#define HALVIX_PRINTF(format_index, first_arg) __attribute__((format(printf, format_index, first_arg)))
#endif

// vsnprintf: at most size bytes including the terminator (always written
// when size > 0); returns the length the whole result would have, or a
// negative value for a bad format.
int FormatText(char* buffer, std::size_t size, const char* format, va_list arguments);
