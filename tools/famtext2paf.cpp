// famtext2paf: builds a PAF 5 file from a family text (the format is described in
// src/famtext/family_text.h and samples/README.md).
//
//   famtext2paf INPUT.txt OUTPUT.paf
//
// Problems in the input are reported as "INPUT:LINE: message", and the output is not
// written. Exit status: 0 written, 1 bad input or a write failure, 2 bad arguments.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "files/paf_image_file.h"
#include "famtext/family_text.h"
#include "paf/paf_writer.h"

namespace {

constexpr size_t kMaxErrorsShown = 50;

// The whole file, or false (with errno's reason in why) when it cannot be read.
bool readWholeFile(const std::string& path, std::string& contents, std::string& why) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
        why = std::strerror(errno);
        return false;
    }
    char block[65536];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, in)) > 0) contents.append(block, n);
    const bool failed = std::ferror(in);
    if (failed) why = std::strerror(errno);
    std::fclose(in);
    return !failed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: famtext2paf INPUT.txt OUTPUT.paf\n";
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];

    std::string text, why;
    if (!readWholeFile(input, text, why)) {
        std::cerr << "famtext2paf: cannot read " << input << ": " << why << "\n";
        return 1;
    }

    const tw::FamilyText parsed = tw::parseFamilyText(text);
    if (!parsed.ok()) {
        size_t shown = 0;
        for (const auto& e : parsed.errors) {
            if (shown++ == kMaxErrorsShown) break;
            std::cerr << input << ":";
            if (e.line > 0) std::cerr << e.line << ":";
            std::cerr << " " << e.message << "\n";
        }
        if (parsed.errors.size() > kMaxErrorsShown) {
            std::cerr << input << ": " << parsed.errors.size() - kMaxErrorsShown << " more problems not shown\n";
        }
        return 1;
    }

    const tw::PafImage image = tw::buildPafImage(parsed.family);
    if (!image.error().empty()) {
        std::cerr << "famtext2paf: cannot build the PAF file: " << image.error() << "\n";
        return 1;
    }
    if (!writePafImage(image, output)) {
        std::cerr << "famtext2paf: cannot write " << output << "\n";
        std::remove(output.c_str());
        return 1;
    }
    return 0;
}
