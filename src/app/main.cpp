#include <cstdio>

int main() {
    std::puts("Lumadisc is being assembled.");
    return 1;
}
