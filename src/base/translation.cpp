#include "base/translation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "base/utf8.h"

namespace tw {

namespace {

// The first sixteen bytes of every .qm file.
constexpr std::array<uint8_t, 16> kQmMagic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                              0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr uint8_t kMessagesBlock = 0x69;

// The fields of a message in the messages block.
enum MessageTag : uint8_t {
    kEnd = 1,
    kTranslation = 3,  // UTF-16, big-endian
    kObsolete1 = 5,    // four bytes, unused
    kSourceText = 6,   // UTF-8
    kContext = 7,      // UTF-8
    kComment = 8,      // UTF-8
};

class QmReader {
public:
    explicit QmReader(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const { return at_ >= bytes_.size(); }
    bool byte(uint8_t& out) {
        if (at_ >= bytes_.size()) return false;
        out = uint8_t(bytes_[at_++]);
        return true;
    }
    bool number(uint32_t& out) {
        if (bytes_.size() - at_ < 4) return false;
        out = 0;
        for (int i = 0; i < 4; ++i) out = (out << 8) | uint8_t(bytes_[at_++]);
        return true;
    }
    bool take(uint32_t length, std::string_view& out) {
        if (bytes_.size() - at_ < length) return false;
        out = bytes_.substr(at_, length);
        at_ += length;
        return true;
    }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

std::string utf16ToUtf8(std::string_view bigEndian) {
    std::string out;
    for (size_t i = 0; i + 1 < bigEndian.size(); i += 2) {
        char32_t unit = char32_t(uint8_t(bigEndian[i]) << 8 | uint8_t(bigEndian[i + 1]));
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bigEndian.size()) {
            const char32_t low = char32_t(uint8_t(bigEndian[i + 2]) << 8 | uint8_t(bigEndian[i + 3]));
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, unit);
    }
    return out;
}

std::string key(std::string_view context, std::string_view source) {
    std::string k;
    k.reserve(context.size() + 1 + source.size());
    k.append(context).push_back('\0');
    k.append(source);
    return k;
}

// Reads one message; false when the block is damaged.
bool readMessage(QmReader& reader, std::unordered_map<std::string, std::string>& texts) {
    std::string_view context, source, translation;
    bool translated = false;
    for (;;) {
        uint8_t tag = 0;
        uint32_t length = 0;
        std::string_view field;
        if (!reader.byte(tag)) return false;
        switch (tag) {
        case kEnd:
            if (translated && !source.empty()) texts.try_emplace(key(context, source), utf16ToUtf8(translation));
            return true;
        case kObsolete1:
            if (!reader.number(length)) return false;
            break;
        case kTranslation:
            if (!reader.number(length)) return false;
            if (length == 0xFFFFFFFF) break;  // no translation
            if (length % 2 != 0 || !reader.take(length, field)) return false;
            // The first form is the one for texts without a number.
            if (!translated) translation = field;
            translated = true;
            break;
        case kSourceText:
        case kContext:
        case kComment:
            if (!reader.number(length) || !reader.take(length, field)) return false;
            if (tag == kSourceText) source = field;
            if (tag == kContext) context = field;
            break;
        default: return false;
        }
    }
}

struct State {
    Catalogue catalogue;
    std::string language = "en";
};

State& state() {
    static State s;
    return s;
}

thread_local bool englishOnly = false;

constexpr std::string_view kShipped[] = {"de", "fr", "es", "nl", "sv", "nb"};

}  // namespace

bool Catalogue::load(std::string_view qm) {
    texts_.clear();
    if (qm.size() < kQmMagic.size() || !std::equal(kQmMagic.begin(), kQmMagic.end(), qm.begin(),
                                                   [](uint8_t a, char b) { return a == uint8_t(b); }))
        return false;
    QmReader blocks(qm.substr(kQmMagic.size()));
    while (!blocks.atEnd()) {
        uint8_t tag = 0;
        uint32_t length = 0;
        std::string_view block;
        if (!blocks.byte(tag) || !blocks.number(length) || !blocks.take(length, block)) {
            texts_.clear();
            return false;
        }
        if (tag != kMessagesBlock) continue;
        QmReader messages(block);
        while (!messages.atEnd()) {
            if (!readMessage(messages, texts_)) {
                texts_.clear();
                return false;
            }
        }
    }
    return true;
}

const std::string* Catalogue::find(std::string_view context, std::string_view source) const {
    const auto found = texts_.find(key(context, source));
    return found == texts_.end() ? nullptr : &found->second;
}

void useCatalogue(Catalogue catalogue) { state().catalogue = std::move(catalogue); }

const std::string& languageInUse() { return state().language; }

EnglishWords::EnglishWords() : before_(englishOnly) { englishOnly = true; }

EnglishWords::~EnglishWords() { englishOnly = before_; }

std::string_view translate(const char* context, const char* source) {
    const Catalogue& catalogue = state().catalogue;
    if (catalogue.empty() || englishOnly) return source;
    const std::string* translation = catalogue.find(context, source);
    return translation == nullptr || translation->empty() ? std::string_view(source) : std::string_view(*translation);
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size() && n < 9) {
            out.append(values.begin()[n]);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::span<const std::string_view> shippedLanguages() { return kShipped; }

std::string languageOfLocale(std::string_view locale) {
    const size_t end = locale.find_first_of("_.@-");
    std::string code(locale.substr(0, end));
    std::transform(code.begin(), code.end(), code.begin(), [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    if (code == "no") code = "nb";  // Norwegian without a form: Bokmål, as most write it
    return std::find(std::begin(kShipped), std::end(kShipped), code) != std::end(kShipped) ? code : "en";
}

std::string chooseLanguage(std::string_view code, const std::function<const char*(const char*)>& environment) {
    if (!code.empty()) return languageOfLocale(code);
    auto set = [&](const char* name) -> std::string_view {
        const char* value = environment(name);
        return value == nullptr ? std::string_view() : std::string_view(value);
    };
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = set(name);
        if (!locale.empty()) break;
    }
    // The C locale (or none) is English, whatever LANGUAGE lists.
    if (!locale.empty() && locale.substr(0, 1) != "C" && locale != "POSIX") {
        std::string_view list = set("LANGUAGE");
        while (!list.empty()) {
            const size_t colon = list.find(':');
            const std::string language = languageOfLocale(list.substr(0, colon));
            if (language != "en" || list.substr(0, 2) == "en") return language;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
    }
    return languageOfLocale(locale);
}

bool useLanguage(const std::string& language, std::span<const std::string> folders) {
    state().language = "en";
    useCatalogue({});
    if (language == "en") return true;
    for (const std::string& folder : folders) {
        std::ifstream file(folder + "/tamblewin_" + language + ".qm", std::ios::binary);
        if (!file) continue;
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        Catalogue catalogue;
        if (!catalogue.load(bytes)) return false;
        useCatalogue(std::move(catalogue));
        state().language = language;
        return true;
    }
    return true;
}

}  // namespace tw
