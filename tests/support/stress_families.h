#pragma once
// What the clean-page tests share: every report run on one data file and its pages
// read by the page checker, and the pieces of the families made to stress the
// layout (long names, every date form, deep folders).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "output/paper.h"
#include "support/list_checker.h"
#include "support/paf_fixture.h"

namespace tw::test {

// What the list reader expects of a data file's lists from the given start couple.
ListExpectations expectationsOf(const std::vector<uint8_t>& image, int32_t startMrin);

// Every report on one data file, each in a context of its own, from the given start
// individual and couple, on the given paper; the findings of all their pages,
// described ("KIND, page N: ...").
std::vector<std::string> findingsOfEveryReport(const std::vector<uint8_t>& image, const std::string& dataFilePath,
                                               Paper paper, int32_t startRin = 1, int32_t startMrin = 1);

// The findings one a line, the first few thousand.
std::string joined(const std::vector<std::string>& findings);

std::vector<uint8_t> fileBytes(const std::filesystem::path& path);

// The folder of the GEDCOM files other people wrote (tools/fetch_gedcom_samples.sh).
std::filesystem::path gedcomSamples();

// A data file 200 characters deep in folders.
std::string deepPath();
// The n-th of a run of names of growing length: one to twelve words.
std::string givenNames(int n);
std::string surname(int n);
std::string place(int n);
// Every form a date takes: day, month and year, parts missing, qualifiers, ranges,
// dual years, status codes and text.
WriterDate dateForm(int n);
// A person with a long name, every date and a long place.
WriterPerson stressedPerson(int n, char sex);

}  // namespace tw::test
