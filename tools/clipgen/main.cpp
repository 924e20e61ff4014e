#include <cstdio>

int main() {
    std::fprintf(stderr, "clipgen: pas encore disponible\n");
    return 1;
}
