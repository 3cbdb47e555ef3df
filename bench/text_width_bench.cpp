// text_width_bench: the speed of measuring text, which the reports do for every
// line they wrap and every name they fit.
//
//   text_width_bench [--calls N]
//
// Measures N times (default 2,000,000) each of a few names: a Windows-1252 one (as
// PAF files hold them), UTF-8 Latin, Cyrillic, Chinese, Hebrew and Arabic (the last
// two reordered and joined before they are measured), and Devanagari (measured as
// the shaper lays it out, in the installed font), and prints the time per call.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "output/font_metrics.h"

int main(int argc, char** argv) {
    long calls = 2000000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--calls") == 0) calls = std::atol(argv[i + 1]);
    struct Sample {
        const char* what;
        const char* text;
    };
    const Sample samples[] = {
        {"Windows-1252", "Mu\xF1oz, Jos\xE9 Mar\xED" "a (1820-1891)"},
        {"UTF-8 Latin", "Muñoz, José María (1820-1891)"},
        {"Cyrillic", "Петров, Иван Сергеевич (1820-1891)"},
        {"Chinese", "王秀英 (1820-1891)"},
        {"Hebrew", "כהן, דוד (1820-1891)"},
        {"Arabic", "عبد الله محمد (1820-1891)"},
        {"Devanagari", "इंदिरा नेहरू (1917-1984)"},
    };
    for (const Sample& s : samples) {
        long sum = 0;
        const auto start = std::chrono::steady_clock::now();
        for (long k = 0; k < calls; ++k) sum += tw::textWidthPixels(s.text, k % 2 ? "Times" : "Arial", 12, 600);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-14s %7.1f ns per call  (checksum %ld)\n", s.what, seconds * 1e9 / double(calls), sum);
    }
    return 0;
}
