#include "charts/ftc_positions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

#include "paf/file_bytes.h"

namespace tw {

namespace {

// Values are accepted while the box and the joint stay on the part of the page that
// the trunk spans; a box beyond it is moved back inside.
constexpr double kHighestPlace = 0.05;
constexpr double kLowestPlace = 0.66;
// The units that give readable text; others in a file are ignored.
constexpr double kSmallestUnit = 0.005;
constexpr double kLargestUnit = 0.011;
// Only the start of a line is looked at; a longer line is damage.
constexpr size_t kLongestNumber = 64;
// More of a file than this is not read.
constexpr std::streamsize kLargestFile = std::streamsize(16) << 20;

struct PositionBlock {
    int64_t index = -1;
    std::optional<double> t, b, a, D;
    std::optional<int64_t> rhs;
};

std::string_view trimmedNumber(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kLongestNumber));
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    return text;
}

std::optional<double> parseFraction(std::string_view text) {
    text = trimmedNumber(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int64_t> parseWhole(std::string_view text) {
    text = trimmedNumber(text);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

std::string_view afterPrefix(std::string_view line, size_t length) {
    return line.size() > length ? line.substr(length) : std::string_view();
}

// Splits the text into blocks; each starts at an "i" line and ends at its "rhs"
// line, at the next "i" line or at the end of the text.
std::vector<PositionBlock> parseBlocks(std::string_view text) {
    std::vector<PositionBlock> blocks;
    PositionBlock* open = nullptr;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const char key = line.front();
        if (key == 'i') {
            const std::optional<int64_t> index = parseWhole(afterPrefix(line, 2));
            blocks.push_back({});
            open = &blocks.back();
            open->index = index.value_or(-1);
            continue;
        }
        if (open == nullptr) continue;  // values before any index belong to no branch
        switch (key) {
            case 't': open->t = parseFraction(afterPrefix(line, 2)); break;
            case 'b': open->b = parseFraction(afterPrefix(line, 2)); break;
            case 'a': open->a = parseFraction(afterPrefix(line, 2)); break;
            case 'D': open->D = parseFraction(afterPrefix(line, 2)); break;
            case 'r':
                open->rhs = parseWhole(afterPrefix(line, 4));
                open = nullptr;
                break;
            default: break;
        }
    }
    return blocks;
}

// Gives the branch the block's values when together they make a box on the page.
bool applyBlock(FamilyBranch& branch, const PositionBlock& block) {
    double t = block.t.value_or(branch.t);
    double b = block.b.value_or(branch.b);
    double a = block.a.value_or(branch.a);
    const double height = b - t;
    // A box at least one line of the smallest unit high: a thinner one would not
    // survive being written back with six decimals.
    if (!(height >= kSmallestUnit) || height > kFtcBoxBottomLimit - kFtcBoxTopLimit) return false;
    if (t < kHighestPlace || b > kLowestPlace) {
        if (t < kHighestPlace) t = kFtcBoxTopLimit;
        if (b > kLowestPlace) t = kFtcBoxBottomLimit - height;
        b = t + height;
    }
    branch.t = t;
    branch.b = b;
    branch.a = std::clamp(a, kHighestPlace, kLowestPlace);
    if (block.D && *block.D >= kSmallestUnit && *block.D <= kLargestUnit) branch.D = *block.D;
    if (block.rhs && (*block.rhs == 0 || *block.rhs == 1)) branch.rhs = int32_t(*block.rhs);
    branch.pinned = true;
    return true;
}

void useSmallestUnit(std::vector<FamilyBranch>& branches) {
    double smallest = 0;
    for (const FamilyBranch& branch : branches)
        if (branch.D > 0 && (smallest == 0 || branch.D < smallest)) smallest = branch.D;
    if (smallest > 0)
        for (FamilyBranch& branch : branches) branch.D = smallest;
}

void appendField(std::string& out, std::string_view key, double value) {
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    out += key;
    out.append(digits, result.ptr);
    out += '\n';
}

}  // namespace

std::string ftcPositionsStem(std::string_view pafPath) {
    return std::string(pafPath.substr(0, pafPath.size() >= 4 ? pafPath.size() - 4 : pafPath.size()));
}

std::string ftcPositionsFileName(std::string_view stem, int32_t mrin) {
    return std::string(stem) + "m" + std::to_string(mrin) + ".twft";
}

int32_t applyFtcPositionsText(std::vector<FamilyBranch>& branches, std::string_view fileText) {
    std::vector<bool> taken(branches.size(), false);
    int32_t pinned = 0;
    for (const PositionBlock& block : parseBlocks(fileText)) {
        if (block.index < 0 || block.index >= int64_t(branches.size())) continue;
        const size_t index = size_t(block.index);
        if (taken[index]) continue;  // the first block for a branch holds
        if (applyBlock(branches[index], block)) {
            taken[index] = true;
            ++pinned;
        }
    }
    useSmallestUnit(branches);
    return pinned;
}

std::string formatFtcPositions(const std::vector<FamilyBranch>& branches) {
    std::string out;
    for (const FamilyBranch& branch : branches) {
        if (!branch.pinned) continue;
        out += "i:" + std::to_string(branch.i) + "\n";
        appendField(out, "t:", branch.t);
        appendField(out, "b:", branch.b);
        appendField(out, "a:", branch.a);
        appendField(out, "D:", branch.D);
        out += "rhs:" + std::to_string(branch.rhs) + "\n";
    }
    return out;
}

int32_t readFtcPositionsFile(std::vector<FamilyBranch>& branches, const std::string& path) {
    // Opened and checked as the data file is: a pipe, socket or device is no
    // positions file (a pipe would block the run).
    std::vector<uint8_t> bytes;
    if (!readFileStart(path, uint64_t(kLargestFile), bytes).ok()) return 0;
    return applyFtcPositionsText(branches, std::string(bytes.begin(), bytes.end()));
}

bool writeFtcPositionsFile(Host& host, const std::vector<FamilyBranch>& branches, const std::string& path) {
    const std::string text = formatFtcPositions(branches);
    if (text.empty()) {
        host.removeFile(path);
        return true;
    }
    return host.writeFile(path, text);
}

}  // namespace tw
