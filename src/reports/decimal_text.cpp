#include "reports/decimal_text.h"

#include <algorithm>

namespace tw {

namespace {

// A digit character's value: its low four bits ('0' is 0x30).
int digitValue(char c) { return c & 0x0F; }

}  // namespace

std::string addDecimalTexts(std::string_view a, std::string_view b) {
    // One column more than the longer operand holds the last carry.
    const size_t columns = std::max(a.size(), b.size()) + 1;
    std::string sum(columns, '0');
    int carry = 0;
    for (size_t i = 0; i < columns; ++i) {
        const int left = i < a.size() ? digitValue(a[a.size() - 1 - i]) : 0;
        const int right = i < b.size() ? digitValue(b[b.size() - 1 - i]) : 0;
        int column = left + right + carry;
        carry = column >= 10 ? 1 : 0;
        if (carry) column -= 10;
        sum[columns - 1 - i] = char('0' + column);
    }
    const size_t first = sum.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : sum.substr(first);
}

}  // namespace tw
