#include "charts/dsc_tuning.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <system_error>
#include <vector>

#include "paf/file_bytes.h"

namespace tw {

namespace {

// One key of the file and the value it sets: an integer or a real, or neither for
// the comment key.
struct TuningKey {
    std::string_view key;
    int32_t DscTuning::*integer = nullptr;
    float DscTuning::*real = nullptr;
};

// The keys in the order in which a line is compared with them.
const std::array<TuningKey, 37> kKeys{{
    {"DSC1mk=", &DscTuning::DSC1mk},
    {"DSC2mk=", &DscTuning::DSC2mk},
    {"DSC3mk=", &DscTuning::DSC3mk},
    {"# =", nullptr},
    {"DSC4mk=", &DscTuning::DSC4mk},
    {"boxheight=", nullptr, &DscTuning::boxheight},
    {"boxcc=", nullptr, &DscTuning::boxcc},
    {"bottom_margin=", nullptr, &DscTuning::bottom_margin},
    {"right_margin=", nullptr, &DscTuning::right_margin},
    {"inter_column_space=", nullptr, &DscTuning::inter_column_space},
    {"left_margin=", nullptr, &DscTuning::left_margin},
    {"top_margin=", nullptr, &DscTuning::top_margin},
    {"dlinew=", nullptr, &DscTuning::dlinew},
    {"slinew=", nullptr, &DscTuning::slinew},
    {"DSC2_boxh_boxcc_ratio=", nullptr, &DscTuning::DSC2_boxh_boxcc_ratio},
    {"DSC2_center_y=", nullptr, &DscTuning::DSC2_center_y},
    {"DSC3rightMargin=", nullptr, &DscTuning::DSC3rightMargin},
    {"DSC2_childcnt_proportion=", &DscTuning::DSC2_childcnt_proportion},
    {"DSC3_boxh_boxcc_ratio=", nullptr, &DscTuning::DSC3_boxh_boxcc_ratio},
    {"DSC3_center_y_adjust=", nullptr, &DscTuning::DSC3_center_y_adjust},
    {"DSC3bottomMargin=", nullptr, &DscTuning::DSC3bottomMargin},
    {"DSC3_childcnt_proportion=", &DscTuning::DSC3_childcnt_proportion},
    {"DSC4_boxh_boxcc_ratio=", nullptr, &DscTuning::DSC4_boxh_boxcc_ratio},
    {"DSC4_center_y_adjust=", nullptr, &DscTuning::DSC4_center_y_adjust},
    {"DSC3boxCc=", nullptr, &DscTuning::DSC3boxCc},
    {"DSC4_childcnt_proportion=", &DscTuning::DSC4_childcnt_proportion},
    {"DSC3boxHeight=", nullptr, &DscTuning::DSC3boxHeight},
    {"DSC4rightMargin=", nullptr, &DscTuning::DSC4rightMargin},
    {"DSC4bottomMargin=", nullptr, &DscTuning::DSC4bottomMargin},
    {"DSC4boxCc=", nullptr, &DscTuning::DSC4boxCc},
    {"DSC4boxHeight=", nullptr, &DscTuning::DSC4boxHeight},
    {"DSC2childFont=", &DscTuning::DSC2childFont},
    {"DSC3childFont=", &DscTuning::DSC3childFont},
    {"DSC4childFont=", &DscTuning::DSC4childFont},
    {"DSC2fontRndShift=", nullptr, &DscTuning::DSC2fontRndShift},
    {"DSC3fontRndShift=", nullptr, &DscTuning::DSC3fontRndShift},
    {"DSC4fontRndShift=", nullptr, &DscTuning::DSC4fontRndShift},
}};

constexpr size_t kLineLimit = 89;
constexpr size_t kFileLimit = size_t(1) << 20;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The number text after a key: leading blanks skipped, a '+' sign dropped (the
// converters below take '-' only).
std::string_view numberText(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at + 1 < text.size() && text[at] == '+' && text[at + 1] != '-' && text[at + 1] != '+') ++at;
    return text.substr(at);
}

int32_t readInteger(std::string_view text) {
    text = numberText(text);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) return text.front() == '-' ? std::numeric_limits<int32_t>::min()
                                                                            : std::numeric_limits<int32_t>::max();
    if (error != std::errc()) return 0;
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// A number too large or too small for a double: too large when its exponent is not
// negative.
bool overflows(std::string_view number) {
    const size_t e = number.find_first_of("eE");
    return e == std::string_view::npos || e + 1 >= number.size() || number[e + 1] != '-';
}

float readReal(std::string_view text) {
    text = numberText(text);
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    const double limit = kDscTuningRealLimit;
    if (error == std::errc::result_out_of_range) {
        if (!overflows(text.substr(0, size_t(end - text.data())))) return 0.0F;
        return text.front() == '-' ? float(-limit) : float(limit);
    }
    if (error != std::errc() || !std::isfinite(value)) return 0.0F;
    return float(std::clamp(value, -limit, limit));
}

bool applyKey(DscTuning& tuning, const TuningKey& key, std::string_view line) {
    if (!line.starts_with(key.key)) return false;
    const std::string_view rest = line.substr(key.key.size());
    if (key.integer != nullptr) tuning.*key.integer = readInteger(rest);
    if (key.real != nullptr) tuning.*key.real = readReal(rest);
    return true;
}

void applyLine(DscTuning& tuning, std::string_view line) {
    line = line.substr(0, kLineLimit);
    for (const TuningKey& key : kKeys)
        if (applyKey(tuning, key, line)) return;
}

}  // namespace

void applyDscTuningText(DscTuning& tuning, std::string_view fileText) {
    while (!fileText.empty()) {
        const size_t end = fileText.find('\n');
        applyLine(tuning, fileText.substr(0, end));
        if (end == std::string_view::npos) break;
        fileText.remove_prefix(end + 1);
    }
}

void readDscTuningFile(DscTuning& tuning, const std::string& path) {
    if (path.empty()) return;
    // Opened and checked as the data file is: a folder, a pipe or a device is no
    // tuning file (a pipe could block the run).
    std::vector<uint8_t> bytes;
    if (!readFileStart(path, kFileLimit, bytes).ok()) return;
    applyDscTuningText(tuning, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

DscTuning& dscTuning(AppContext& ctx) {
    if (!ctx.dscTuning) ctx.dscTuning = std::make_shared<DscTuning>();
    return *ctx.dscTuning;
}

}  // namespace tw
