// fourmod's own source compiled in, its main renamed and its exit trapped, so that one
// process can run the real program on many systems. It takes over stdin and stdout.
#pragma once

// Every header the program uses comes first, so the macros below reach only its own code.
#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "exit_trap.hpp"

#define main fourmod_main
#define exit trapped_exit
#include "../congruence/fourmod.cpp"
#undef exit
#undef main

// One run of the program in the current folder; its exit status.
inline int run_fourmod() { return run_trapped(fourmod_main); }
