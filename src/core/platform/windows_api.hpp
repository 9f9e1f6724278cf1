#pragma once

// <windows.h> the same way in every file that needs it: without the min and
// max macros, which break std::min and std::max, and without the rarely used
// parts. Include it inside #ifdef _WIN32.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
