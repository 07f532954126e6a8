// The floor of quorvel-cli's start-up (scripts/perf): the same build's
// program that only prints one line.
#include <cstdio>

int main()
{
    std::puts("102");
    return 0;
}
