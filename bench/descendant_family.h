#pragma once
// The synthetic family the descendant and output benchmarks share: one couple
// and their descendants, two to five children a couple, every child married,
// names and birth dates of every form, drawn from a fixed seed so every run
// builds the same family.

#include <cstdint>
#include <string>
#include <vector>

#include "bench_support.h"
#include "paf/date_encoding.h"

namespace bench {

inline constexpr const char *kGiven[] = {
    "Tobias", "Ambrose", "Mercy",  "Keziah",  "Silas",  "Phoebe",
    "Orson",  "Almira",  "Gideon", "Lavinia", "Reuben", "Opal",
    "Hiram",  "Zina",    "Caleb",  "Harriet"};
inline constexpr const char *kSurnames[] = {
    "Quillfeather", "Ashgrove",  "Brannock",  "Tamsett",
    "Verrall",      "Hollowell", "Marchbank", "Fenwright",
    "Gorrell",      "Whitlock",  "Rasband",   "Callister"};

inline tw::WriterFamily
descendantsOfOneCouple(int32_t people,
                       std::vector<int> *generationSizes = nullptr) {
  Random random(20261207);
  tw::WriterFamily f;
  f.people.reserve(size_t(people));
  auto add = [&](char sex, const char *surname, int year) {
    tw::WriterPerson p;
    p.sex = sex;
    p.name = std::string(kGiven[random.below(16)]) + " /" + surname + "/";
    const int roll = random.below(100);
    if (roll < 70)
      p.birth =
          tw::makeDate({1 + random.below(28), 1 + random.below(12), year});
    else if (roll < 80)
      p.birth = tw::makeDate({0, 1 + random.below(12), year});
    else if (roll < 87)
      p.birth = tw::makeDate({0, 0, year});
    else if (roll < 92)
      p.birth = tw::makeDate({0, 0, year}, tw::kQualAbout);
    else if (roll < 97)
      p.christening =
          tw::makeDate({1 + random.below(28), 1 + random.below(12), year});
    return f.addPerson(std::move(p));
  };
  auto marry = [&](int32_t husband, int32_t wife) {
    tw::WriterMarriage m;
    m.husband = husband;
    m.wife = wife;
    const int32_t mrin = f.addMarriage(std::move(m));
    f.person(husband).marriageOrder.push_back(mrin);
    f.person(wife).marriageOrder.push_back(mrin);
    return mrin;
  };

  std::vector<int32_t> couples{
      marry(add('M', kSurnames[0], 1600), add('F', kSurnames[1], 1602))};
  for (int year = 1625; !couples.empty() && int32_t(f.people.size()) < people;
       year += 25) {
    std::vector<int32_t> next;
    int born = 0;
    for (const int32_t mrin : couples) {
      const int children = 2 + random.below(4);
      for (int c = 0; c < children && int32_t(f.people.size()) < people; ++c) {
        const char sex = random.below(2) == 0 ? 'M' : 'F';
        const int32_t child =
            add(sex, kSurnames[random.below(12)], year + random.below(10));
        f.marriage(mrin).children.push_back(child);
        ++born;
        if (int32_t(f.people.size()) < people) {
          const int32_t spouse =
              add(sex == 'M' ? 'F' : 'M', kSurnames[random.below(12)], year);
          next.push_back(sex == 'M' ? marry(child, spouse)
                                    : marry(spouse, child));
        }
      }
    }
    if (generationSizes != nullptr)
      generationSizes->push_back(born);
    couples = std::move(next);
  }
  return f;
}

} // namespace bench
