#include <cstdio>

int main()
{
    std::fprintf(stderr, "vamok-cli: no commands yet\n");
    return 2;
}
