// sortprobe's own source compiled in, its main renamed and its exit trapped, so that one
// process can run the real program on many dialogues. It reads stdin and writes stdout.
#pragma once

// Every header the program uses comes first, so the macros below reach only its own code.
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "exit_trap.hpp"

#define main sortprobe_main
#define exit trapped_exit
#include "../interactive/sortprobe.cpp"
#undef exit
#undef main

// One run of the program, its statics as at program start; its exit status.
inline int run_sortprobe()
{
    n = ans = asked = qx = qy = 0;
    std::memset(p, 0, sizeof p);
    std::memset(c, 0, sizeof c);
    std::cout.clear();
    int status = run_trapped(sortprobe_main);
    std::fflush(stdout);
    return status;
}
