#pragma once
// TextBuffer: the growable, NUL-terminated single-byte string that all report code
// builds names, dates, labels and lines in. It owns its storage, grows by a fixed
// rounding rule (capacities 11, 27, 59, 123, 251, ...), gives storage back when a
// much shorter text is assigned, and has one printf-like operation, format.

#include <cstdarg>
#include <string>
#include <string_view>

namespace tw {

class TextBuffer {
public:
    TextBuffer() = default;
    TextBuffer(const TextBuffer& other);
    TextBuffer(TextBuffer&& other) noexcept;
    TextBuffer(const char* text);                 // NOLINT: implicit, as text literals are used everywhere
    TextBuffer(const char* bytes, int count);     // exactly count bytes, any byte values
    TextBuffer(char c, int count);                // count copies of c
    explicit TextBuffer(std::string_view text);   // the bytes of text
    ~TextBuffer();

    TextBuffer& operator=(const TextBuffer& other) { return assign(other); }
    TextBuffer& operator=(TextBuffer&& other) noexcept;
    TextBuffer& operator=(const char* text) { return assign(text); }

    TextBuffer& assign(const TextBuffer& other);
    TextBuffer& assign(const char* text);
    TextBuffer& append(const TextBuffer& other);
    TextBuffer& append(char c);
    TextBuffer& append(const char* text);
    TextBuffer& operator+=(const TextBuffer& other) { return append(other); }
    TextBuffer& operator+=(char c) { return append(c); }
    TextBuffer& operator+=(const char* text) { return append(text); }

    // Replaces the content with formatted text: each % conversion (ending at one of
    // "scgeGEfdxXolu") takes exactly one argument; "%%", "*" and length modifiers are
    // not supported. The old content is discarded before any argument is read, so an
    // argument must not point into this buffer.
    TextBuffer& format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    TextBuffer& vformat(const char* fmt, va_list args);

    int length() const { return length_; }
    int capacity() const { return capacity_; }
    bool empty() const { return length_ == 0; }
    const char* c_str() const;
    std::string_view view() const { return storage_ ? std::string_view(storage_, size_t(length_)) : std::string_view(); }
    std::string str() const { return std::string(view()); }
    void release();

    int compare(const char* text) const;
    int find(char c) const;
    int find(const char* text) const;
    TextBuffer substring(int position, int count) const;
    TextBuffer substring(int position) const;

    // Low-level storage access. reserve gives room for n characters and returns the
    // storage for direct writing; setLength(-1) then measures the text up to its NUL.
    char* reserve(int n);
    void setLength(int n);
    void resize(int n);
    char* data() { return storage_; }
    char operator[](int i) const { return storage_[i]; }

    // The rounding rule: the smallest 2^k - 4 (k >= 4) not below n.
    static int roundSize(int n);

private:
    static char* allocate(int capacity);  // capacity + 1 zero bytes; ends the program on failure
    void adopt(char* block, int capacity) noexcept;  // frees the old block
    void growTo(long long neededLength);  // new block from the rounding rule, old text copied
    void ensureFree(long long n);         // grows when length + n exceeds the capacity
    void appendBytes(const char* bytes, int count);
    void formatConversion(const char* spec, int specLength, va_list* args);

    char* storage_ = nullptr;
    int length_ = 0;
    int capacity_ = 0;
};

TextBuffer operator+(const TextBuffer& left, const TextBuffer& right);
TextBuffer operator+(const TextBuffer& left, const char* right);
TextBuffer operator+(const char* left, const TextBuffer& right);
TextBuffer operator+(char left, const TextBuffer& right);

inline bool operator==(const TextBuffer& a, std::string_view b) { return a.view() == b; }

}  // namespace tw
