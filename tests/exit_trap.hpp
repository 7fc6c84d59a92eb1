// Lets one process run a program's own main many times: compiled with `exit` defined as
// trapped_exit, the program's exit returns here instead. The programs hold no objects with
// destructors on the way out, so the jump skips nothing.
#pragma once

#include <csetjmp>

namespace exit_trap {
inline std::jmp_buf point;
inline int status;
}  // namespace exit_trap

[[noreturn]] inline void trapped_exit(int status)
{
    exit_trap::status = status;
    std::longjmp(exit_trap::point, 1);
}

// The status of one run of program_main: what it returned, or what it passed to exit.
inline int run_trapped(int (*program_main)())
{
    if (setjmp(exit_trap::point) == 0)
        return program_main();
    return exit_trap::status;
}
