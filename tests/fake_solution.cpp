// Deliberately broken distinct-count solutions, one per mode, for the interactor's verdicts.
// Values given to them have two distinct values, so "2 2" is the right answer.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static void say(const char* line)
{
    std::fputs(line, stdout);
    std::fflush(stdout);
}

static void reply()
{
    int v;
    if (std::scanf("%d", &v) != 1)
        std::exit(9);
}

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "";
    int n = 0;
    if (std::strcmp(mode, "stop-reading") == 0) {
        std::fclose(stdin);
        say("1 1 2\n");
        sleep(5);
        return 0;
    }
    if (std::scanf("%d", &n) != 1)
        return 9;
    if (std::strcmp(mode, "no-flush") == 0) {
        std::printf("1 1 2\n");  // stays in the pipe's full buffer
        reply();
    } else if (std::strcmp(mode, "wrong") == 0) {
        say("2 4\n");
    } else if (std::strcmp(mode, "malformed") == 0) {
        say("1 1  2\n");
    } else if (std::strcmp(mode, "item-zero") == 0) {
        say("1 0 1\n");
    } else if (std::strcmp(mode, "leading-zero") == 0) {
        say("1 01 2\n");
    } else if (std::strcmp(mode, "endless") == 0) {
        for (;;) {
            say("1 1 2\n");
            reply();
        }
    } else if (std::strcmp(mode, "crash") == 0) {
        say("1 1 2\n");
        reply();
        std::abort();
    } else if (std::strcmp(mode, "exit-early") == 0) {
        return 3;
    } else if (std::strcmp(mode, "trailing") == 0) {
        say("2 2\n1 1 2\n");
    } else if (std::strcmp(mode, "hang-after-answer") == 0) {
        say("2 2\n");
        sleep(5);
    } else if (std::strcmp(mode, "fail-after-answer") == 0) {
        say("2 2\n");
        return 4;
    } else if (std::strcmp(mode, "right") == 0) {
        say("1 1 3\n");
        reply();
        say("2 2\n");
    }
    return 0;
}
