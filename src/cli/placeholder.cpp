#include <cstdio>

int main() {
    std::fputs("quillmere-convert: not built yet\n", stderr);
    return 2;
}
