#include <cstdio>

int main()
{
    std::fprintf(stderr, "vamok-sim: not built yet\n");
    return 1;
}
