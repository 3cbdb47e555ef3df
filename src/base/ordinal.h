#pragma once
// English ordinal numbers: "1st", "2nd", "3rd", "4th", "11th" to "13th", "21st",
// "22nd", "23rd", "111th", ...

#include <string>

namespace tw {

inline std::string ordinal(int n) {
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

}  // namespace tw
