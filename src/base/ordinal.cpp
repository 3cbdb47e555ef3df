#include "base/ordinal.h"

#include "base/translation.h"

namespace tw {

namespace {

std::string english(int n) {
    const int lastTwo = (n < 0 ? -n : n) % 100;
    const int last = lastTwo % 10;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1) suffix = "st";
        if (last == 2) suffix = "nd";
        if (last == 3) suffix = "rd";
    }
    return std::to_string(n) + suffix;
}

// Swedish: ":a" after numbers ending in 1 or 2 (but not 11, 12), ":e" after the rest.
std::string swedish(int n) {
    const int lastTwo = (n < 0 ? -n : n) % 100;
    const int last = lastTwo % 10;
    const bool a = (last == 1 || last == 2) && lastTwo != 11 && lastTwo != 12;
    return std::to_string(n) + (a ? ":a" : ":e");
}

}  // namespace

std::string ordinal(int n) {
    const std::string& language = languageInUse();
    if (language == "de" || language == "nb") return std::to_string(n) + ".";
    if (language == "fr") return std::to_string(n) + (n == 1 ? "er" : "e");
    if (language == "es") return std::to_string(n) + ".\u00BA";
    if (language == "nl") return std::to_string(n) + "e";
    if (language == "sv") return swedish(n);
    return english(n);
}

}  // namespace tw
