// What the shared library exports: the public API and nothing else. Every
// part of the library is built with hidden visibility; what is marked
// VORLEN_API stays visible (an exception type must be, to be caught outside).
#pragma once

#if defined(__GNUC__)
#define VORLEN_API __attribute__((visibility("default")))
#else
#define VORLEN_API
#endif
