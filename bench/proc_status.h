#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

// A field of /proc/self/status in KiB (VmHWM:, VmRSS:), or -1. Header-only
// because the start-up probe is preloaded into the game and links nothing of
// the benchmarks' support library.
inline long statusKiB(const char* key) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long value = -1;
    const std::size_t len = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, len) == 0) {
            value = std::strtol(line + len, nullptr, 10);
            break;
        }
    std::fclose(f);
    return value;
}

}  // namespace bench
