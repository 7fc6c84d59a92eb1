// fourmod's own source compiled in, with its main renamed and its exit trapped, so that one
// process can run the real program on many systems. It takes over stdin and stdout.
#pragma once

#include <cerrno>
#include <cinttypes>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fourmod_embedded {
inline std::jmp_buf trap;
inline int exit_status;
}  // namespace fourmod_embedded

[[noreturn]] inline void fourmod_exit(int status)
{
    fourmod_embedded::exit_status = status;
    std::longjmp(fourmod_embedded::trap, 1);
}

#define main fourmod_main
#define exit fourmod_exit
#include "../congruence/fourmod.cpp"
#undef exit
#undef main

// One run of the program in the current folder; its exit status.
inline int run_fourmod()
{
    if (setjmp(fourmod_embedded::trap) == 0)
        return fourmod_main();
    return fourmod_embedded::exit_status;
}
