#include "base/text_buffer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tw {
namespace {

// The largest length a buffer can hold: roundSize(length + 1) must still fit an int.
constexpr long long kMaxLength = 2147483643;

// The letters that end a % conversion in format. 'l' ends one too, so "%ld" is "%l"
// followed by the literal "d".
constexpr const char* kConversionEnds = "scgeGEfdxXolu";

// Room ensured for one numeric conversion before it is written.
constexpr int kNumericRoom = 60;

[[noreturn]] void outOfMemory() {
    std::fputs("Tamblewin: out of memory for text\n", stderr);
    std::exit(5);
}

int lengthOf(const char* text) {
    return text ? int(std::strlen(text)) : 0;
}

// The capacity a buffer gets when it needs room for length characters.
int capacityFor(long long length) {
    if (length > kMaxLength) outOfMemory();
    return TextBuffer::roundSize(int(length < 0 ? 1 : length + 1)) - 1;
}

bool contains(const char* set, char c) {
    return c != '\0' && std::strchr(set, c) != nullptr;
}

// The absolute value of the number at text (as strtol reads it), kept within reason so
// that a silly width cannot overflow the room arithmetic.
long long fieldNumber(const char* text) {
    constexpr long kLimit = 1L << 30;
    long value = std::strtol(text, nullptr, 10);
    if (value < -kLimit || value > kLimit) return kLimit;
    return value < 0 ? -value : value;
}

}  // namespace

int TextBuffer::roundSize(int n) {
    long long size = 12;  // 2^4 - 4
    while (size < n && size < 2147483644) size = (size + 4) * 2 - 4;
    return int(size);
}

char* TextBuffer::allocate(int capacity) {
    char* block = new (std::nothrow) char[size_t(capacity) + 1]();
    if (!block) outOfMemory();
    return block;
}

void TextBuffer::adopt(char* block, int capacity) noexcept {
    delete[] storage_;
    storage_ = block;
    capacity_ = capacity;
}

// Growing always moves to a new zero-filled block; the old one is freed only after the
// characters are copied.
void TextBuffer::growTo(long long neededLength) {
    int capacity = capacityFor(neededLength);
    char* block = allocate(capacity);
    if (length_ > 0) std::memcpy(block, storage_, size_t(length_));
    adopt(block, capacity);
}

void TextBuffer::ensureFree(long long n) {
    if (length_ + n > capacity_) growTo(length_ + n);
}

void TextBuffer::appendBytes(const char* bytes, int count) {
    ensureFree(count);
    if (count > 0) std::memcpy(storage_ + length_, bytes, size_t(count));
    length_ += count;
    storage_[length_] = '\0';
}

// ---- Construction -------------------------------------------------------------------

TextBuffer::TextBuffer(const TextBuffer& other)
    : storage_(allocate(other.capacity_)), length_(other.length_), capacity_(other.capacity_) {
    if (length_ > 0) std::memcpy(storage_, other.storage_, size_t(length_));
    storage_[length_] = '\0';
}

TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : storage_(other.storage_), length_(other.length_), capacity_(other.capacity_) {
    other.storage_ = nullptr;
    other.length_ = 0;
    other.capacity_ = 0;
}

TextBuffer::TextBuffer(const char* text) : TextBuffer(text, lengthOf(text)) {}

TextBuffer::TextBuffer(const char* bytes, int count) {
    if (count < 0) count = 0;
    growTo(count);
    if (count > 0) std::memcpy(storage_, bytes, size_t(count));
    length_ = count;
    storage_[length_] = '\0';
}

TextBuffer::TextBuffer(std::string_view text) : TextBuffer(text.data(), int(text.size())) {}

TextBuffer::TextBuffer(char c, int count) {
    if (count < 0) count = 0;
    if (count == 1) {
        adopt(allocate(3), 3);  // a single character keeps a small block
    } else {
        growTo(count);
    }
    std::memset(storage_, c, size_t(count));
    length_ = count;
    storage_[length_] = '\0';
}

TextBuffer::~TextBuffer() {
    delete[] storage_;
}

TextBuffer& TextBuffer::operator=(TextBuffer&& other) noexcept {
    if (this != &other) {
        adopt(other.storage_, other.capacity_);
        length_ = other.length_;
        other.storage_ = nullptr;
        other.length_ = 0;
        other.capacity_ = 0;
    }
    return *this;
}

const char* TextBuffer::c_str() const {
    if (!storage_) return "";
    storage_[length_] = '\0';
    return storage_;
}

void TextBuffer::release() {
    adopt(nullptr, 0);
    length_ = 0;
}

// ---- Assignment and appending -------------------------------------------------------

// The copy takes the source's capacity exactly, so a buffer assigned from a short-lived
// large one also becomes large.
TextBuffer& TextBuffer::assign(const TextBuffer& other) {
    if (this == &other) return *this;
    if (capacity_ != other.capacity_) adopt(allocate(other.capacity_), other.capacity_);
    length_ = other.length_;
    if (!storage_) return *this;  // neither buffer has storage
    if (length_ != 0) {
        std::memcpy(storage_, other.storage_, size_t(length_) + 1);
    } else {
        storage_[0] = '\0';
    }
    return *this;
}

// A much shorter text gives the storage back: the block is replaced when it is too
// small, when the text is empty, or when the text fills less than a quarter of a block
// larger than 27. The text may lie inside this buffer, so it is read before the old
// block is freed.
TextBuffer& TextBuffer::assign(const char* text) {
    int n = lengthOf(text);
    if (n == 0 || capacity_ < n || (n < capacity_ / 4 && capacity_ > 27)) {
        int capacity = capacityFor(n);
        char* block = allocate(capacity);
        if (n > 0) std::memcpy(block, text, size_t(n));
        adopt(block, capacity);
    } else {
        std::memmove(storage_, text, size_t(n));
    }
    length_ = n;
    storage_[length_] = '\0';
    return *this;
}

TextBuffer& TextBuffer::append(const TextBuffer& other) {
    int added = other.length_;
    if (static_cast<long long>(length_) + added >= capacity_) growTo(static_cast<long long>(length_) + added);
    // Read other's storage only now: when other is this buffer it has just moved.
    if (added > 0) std::memmove(storage_ + length_, other.storage_, size_t(added));
    length_ += added;
    storage_[length_] = '\0';
    return *this;
}

TextBuffer& TextBuffer::append(char c) {
    if (length_ >= capacity_) growTo(static_cast<long long>(length_) + 1);
    storage_[length_++] = c;
    storage_[length_] = '\0';
    return *this;
}

TextBuffer& TextBuffer::append(const char* text) {
    int n = lengthOf(text);
    long long total = static_cast<long long>(length_) + n;
    if (total < capacity_) {
        std::memmove(storage_ + length_, text, size_t(n));
    } else {
        // Copy the text before freeing the old block: it may be this buffer's own text.
        int capacity = capacityFor(total);
        char* block = allocate(capacity);
        if (length_ > 0) std::memcpy(block, storage_, size_t(length_));
        if (n > 0) std::memcpy(block + length_, text, size_t(n));
        adopt(block, capacity);
    }
    length_ = int(total);
    storage_[length_] = '\0';
    return *this;
}

// ---- Concatenation ------------------------------------------------------------------
// Each result is measured up to its first NUL afterwards, so an embedded NUL in either
// operand shortens it.

TextBuffer operator+(const TextBuffer& left, const TextBuffer& right) {
    const char* tail = right.c_str();
    size_t tailLength = std::strlen(tail);
    int headLength = left.length();
    TextBuffer result;
    char* out = result.reserve(int(headLength + tailLength));
    if (headLength > 0) std::memcpy(out, left.view().data(), size_t(headLength));
    std::memcpy(out + headLength, tail, tailLength + 1);
    result.setLength(-1);
    return result;
}

TextBuffer operator+(const TextBuffer& left, const char* right) {
    int headLength = left.length();
    int tailLength = lengthOf(right);
    TextBuffer result;
    char* out = result.reserve(headLength + tailLength);
    if (headLength > 0) std::memcpy(out, left.view().data(), size_t(headLength));
    if (tailLength > 0) std::memcpy(out + headLength, right, size_t(tailLength));
    out[headLength + tailLength] = '\0';
    result.setLength(-1);
    return result;
}

TextBuffer operator+(const char* left, const TextBuffer& right) {
    int headLength = lengthOf(left);
    int tailLength = right.length();
    TextBuffer result;
    char* out = result.reserve(headLength + tailLength);
    if (headLength > 0) std::memcpy(out, left, size_t(headLength));
    if (tailLength > 0) std::memcpy(out + headLength, right.view().data(), size_t(tailLength));
    out[headLength + tailLength] = '\0';
    result.setLength(-1);
    return result;
}

TextBuffer operator+(char left, const TextBuffer& right) {
    const char* tail = right.c_str();
    size_t tailLength = std::strlen(tail);
    TextBuffer result;
    char* out = result.reserve(int(1 + tailLength));
    out[0] = left;
    std::memcpy(out + 1, tail, tailLength + 1);
    result.setLength(-1);
    return result;
}

// ---- Searching, comparing and slicing -----------------------------------------------

int TextBuffer::compare(const char* text) const {
    return std::strcmp(c_str(), text ? text : "");
}

int TextBuffer::find(char c) const {
    if (!storage_) return -1;
    const char* hit = std::strchr(c_str(), c);
    return hit ? int(hit - storage_) : -1;
}

int TextBuffer::find(const char* text) const {
    const char* haystack = c_str();
    const char* hit = std::strstr(haystack, text ? text : "");
    return hit ? int(hit - haystack) : -1;
}

TextBuffer TextBuffer::substring(int position, int count) const {
    if (position < 0) position = 0;
    if (count < 0) count = 0;
    if (static_cast<long long>(position) + count <= length_) return TextBuffer(storage_ + position, count);
    if (position > length_) return TextBuffer();
    return TextBuffer(storage_ + position, length_ - position);
}

TextBuffer TextBuffer::substring(int position) const {
    if (position < 0) position = 0;
    if (position > length_) return TextBuffer();
    return TextBuffer(storage_ + position, length_ - position);
}

// ---- Low-level storage access -------------------------------------------------------

char* TextBuffer::reserve(int n) {
    if (n < 0) n = 0;
    if (capacity_ < n || !storage_) growTo(n);
    storage_[length_] = '\0';
    return storage_;
}

// A length beyond the capacity would put the terminator outside the block, so the block
// grows first in that case.
void TextBuffer::setLength(int n) {
    if (n < 0) {
        if (!storage_) return;
        length_ = int(strnlen(storage_, size_t(capacity_)));
    } else {
        if (n > capacity_ || !storage_) growTo(n);
        length_ = n;
    }
    storage_[length_] = '\0';
}

// Growing keeps the length; cutting to at most a quarter of the capacity moves the text
// to a smaller block, and keeps the old block if that allocation fails.
void TextBuffer::resize(int n) {
    if (n < 0) n = 0;
    if (!storage_ || n > capacity_) {
        growTo(n);
        return;
    }
    storage_[n] = '\0';
    if (n > length_) std::memset(storage_ + length_, 0, size_t(capacity_ - length_) + 1);
    if (n <= capacity_ / 4) {
        int capacity = capacityFor(n);
        char* block = new (std::nothrow) char[size_t(capacity) + 1]();
        if (block) {
            std::memcpy(block, storage_, size_t(n));
            adopt(block, capacity);
        }
    }
    length_ = n;
}

// ---- format -------------------------------------------------------------------------

TextBuffer& TextBuffer::format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    vformat(fmt, args);
    va_end(args);
    return *this;
}

TextBuffer& TextBuffer::vformat(const char* fmt, va_list args) {
    va_list rest;
    va_copy(rest, args);
    if (!storage_) adopt(allocate(11), 11);
    length_ = 0;
    storage_[0] = '\0';

    const char* p = fmt ? fmt : "";
    while (const char* percent = std::strchr(p, '%')) {
        appendBytes(p, int(percent - p));
        const char* end = percent + 1;
        while (*end != '\0' && !contains(kConversionEnds, *end)) ++end;
        if (*end != '\0') ++end;
        formatConversion(percent, int(end - percent), &rest);
        p = end;
    }
    appendBytes(p, lengthOf(p));
    length_ = int(strnlen(storage_, size_t(capacity_)));
    va_end(rest);
    return *this;
}

// Formats one conversion, spec[0] being its '%', with the next argument, after the
// current end. The argument's type follows from the last letter: a double for the
// floating conversions, a text for 's', a 32-bit integer for everything else. Only the
// flags, width and precision of the conversion are handed to snprintf, so the call
// always has exactly one conversion matching the argument it gets. Room is ensured
// beforehand; if the output still does not fit, the buffer grows and the conversion is
// written again.
void TextBuffer::formatConversion(const char* spec, int specLength, va_list* args) {
    char last = spec[specLength - 1];
    bool terminated = specLength >= 2 && contains(kConversionEnds, last);

    std::string clean = "%";
    for (int i = 1; i < specLength - (terminated ? 1 : 0); ++i) {
        if (contains("-+ #0123456789.", spec[i])) clean += spec[i];
    }
    // "%l" and an unterminated conversion consume their integer but write nothing.
    bool writes = terminated && last != 'l';
    if (writes) clean += last;

    auto write = [&](auto value) {
        for (;;) {
            size_t room = size_t(capacity_ - length_) + 1;
            int written = std::snprintf(storage_ + length_, room, clean.c_str(), value);
            if (written < 0) {
                storage_[length_] = '\0';
                break;
            }
            if (size_t(written) < room) break;
            growTo(static_cast<long long>(length_) + written);
        }
    };

    if (terminated && contains("eEfgG", last)) {
        double value = va_arg(*args, double);
        ensureFree(kNumericRoom);
        write(value);
    } else if (terminated && last == 's') {
        const char* text = va_arg(*args, const char*);
        if (!text) text = "";
        long long width = fieldNumber(spec + 1);
        const void* dot = std::memchr(spec, '.', size_t(specLength));
        long long precision = dot ? fieldNumber(static_cast<const char*>(dot) + 1) : lengthOf(text);
        ensureFree(width > precision ? width : precision);
        write(text);
    } else {
        int value = va_arg(*args, int);
        ensureFree(kNumericRoom);
        if (writes && contains("ouxX", last)) {
            write(static_cast<unsigned>(value));
        } else if (writes) {
            write(value);
        }
    }
    length_ = int(strnlen(storage_, size_t(capacity_)));
}

}  // namespace tw
