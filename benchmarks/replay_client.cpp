// The floor for sortprobe: replays a recorded dialogue with one raw write and one raw read per
// line. Usage: replay_client FILE, where FILE holds the lines to send in order.
#include <fcntl.h>
#include <unistd.h>

static char script[1 << 20];
static char in[4096];

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    int fd = open(argv[1], O_RDONLY);
    if (fd < 0)
        return 2;
    ssize_t size = 0, got;
    while (size < (ssize_t)sizeof script && (got = read(fd, script + size, sizeof script - (size_t)size)) > 0)
        size += got;
    close(fd);
    if (read(0, in, sizeof in) <= 0)  // the count
        return 2;
    for (ssize_t start = 0; start < size;) {
        ssize_t end = start;
        while (script[end] != '\n')
            ++end;
        if (write(1, script + start, (size_t)(end + 1 - start)) != end + 1 - start)
            return 2;
        start = end + 1;
        if (start < size && read(0, in, sizeof in) <= 0)  // the reply; none after the answer line
            return 2;
    }
    return 0;
}
