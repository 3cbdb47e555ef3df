#pragma once
// The PAF 5 data file, as this program reads it (PafFile, the record readers) and
// writes it (PafWriter). All integers are little-endian; offsets are in bytes.
//
//   offset                         size   content
//   0                              1685   header block (fields below)
//   4096                           8192   page-count table: 128 rows of 32 int16 counts;
//                                         row s, column t-1 = pages of type t in space s
//   (s << 26) + 12288              8192   page 0 of page space s: its page-type map
//   (s << 26) + 12288 + p * 8192   8192   page p (1..8191) of page space s
//
// A page space is a 64 MiB stretch of the file holding 8192 pages of 8192 bytes.
// Byte 0 of a page-type map is 11 (the map's own type); byte p is the type of page p
// as a signed byte, 1..32 for a table's page, anything else for a page of no table.
// Fixed-size records never straddle pages; record n of a type is numbered densely
// through the pages of that type, space by space, page by page, slot by slot.

#include <cstdint>

namespace tw::paf {

// Container geometry.
inline constexpr int kHeaderSize = 1685;
inline constexpr int64_t kPageCountTableOffset = 4096;
inline constexpr int kPageCountTableSize = 8192;
inline constexpr int kPageCountRows = 128;
inline constexpr int kPageTypes = 32;
inline constexpr int kPageSize = 8192;
inline constexpr int kPagesPerSpace = 8192;  // page 0 is the map
inline constexpr int64_t kSpaceBase = 12288;
inline constexpr int kSpaceShift = 26;
inline constexpr int kMaxPageSpaces = 31;
inline constexpr int kMapPageType = 11;
inline constexpr int kPageTypeMapEntries = 8224;  // 32 list starts + 8192 page numbers

inline constexpr int64_t spaceStart(int space) { return (int64_t(space) << kSpaceShift) + kSpaceBase; }
inline constexpr int64_t pageOffset(int space, int page) { return spaceStart(space) + int64_t(page) * kPageSize; }

// Header fields.
namespace header {
inline constexpr int kVersion = 0;        // 4 bytes, "500" and a NUL
inline constexpr int kSignature = 8;      // "PAF" and a NUL
inline constexpr int kSpaceCount = 18;    // int32
inline constexpr int kHighestRin = 22;    // int32
inline constexpr int kNameIndexSize = 42; // int32
inline constexpr int kNameIndexRoot = 50; // int32, node number of the name-index root
inline constexpr int kNameLinkLow = 70;   // int32, lowest offset allowed in a name entry's links
inline constexpr int kNameLinkHigh = 74;  // int32, highest offset allowed in a name entry's links
inline constexpr int kHighestMrin = 130;  // int32
}  // namespace header

// A fixed-size record table: its page type, record size, records per page, the id
// PafFile::isDeleted knows it by, and where its status byte says "deleted".
struct TableLayout {
    int pageType;
    int recordSize;
    int recordsPerPage;
    int deletedTableId;    // 0 when the table has no id
    int statusOffset;      // -1 when the table has no status byte
    char deletedMark;
};

inline constexpr TableLayout kIndividuals{2, 221, 37, 100, 202, 'D'};
inline constexpr TableLayout kMarriages{3, 106, 77, 102, 97, 'D'};
inline constexpr TableLayout kChildLinks{5, 46, 178, 142, 37, 'D'};
inline constexpr TableLayout kTable6{6, 145, 56, 132, 132, 'Z'};
inline constexpr TableLayout kTable7{7, 507, 16, 130, 492, 'D'};
inline constexpr TableLayout kTable8{8, 497, 16, 131, 484, 'Y'};
inline constexpr TableLayout kNameNodes{10, 16, 512, 0, -1, 0};
inline constexpr TableLayout kTable12{12, 59, 138, 139, 44, 'D'};
inline constexpr TableLayout kTable13{13, 143, 57, 141, 84, 'D'};

inline constexpr TableLayout kAllTables[] = {kIndividuals, kMarriages, kChildLinks, kTable6, kTable7,
                                             kTable8,      kNameNodes, kTable12,    kTable13};

// Pages that hold name entries and text records (addressed by file offset, not by
// number). The reader never looks at their type; the writer uses this one.
inline constexpr int kTextPageType = 4;

// Individual record (page type 2, numbered by RIN).
namespace individual {
inline constexpr int kNameOffset = 0;    // int32 file offset of the name entry
inline constexpr int kFirstMrin = 4;     // int32 first own marriage
inline constexpr int kChildLink = 8;     // int32 child link making this person a child of a family
inline constexpr int kBirth = 64;        // PafDate
inline constexpr int kBirthPlace = 76;   // int32 offset of a text record
inline constexpr int kChristening = 88;  // PafDate
inline constexpr int kDeath = 112;       // PafDate
inline constexpr int kBurial = 136;      // PafDate
inline constexpr int kBaptism = 160;     // PafDate (ordinance)
inline constexpr int kEndowment = 181;   // PafDate (ordinance)
inline constexpr int kSex = 202;         // 'M', 'F', 'D' deleted, anything else unknown
}  // namespace individual

// Marriage record (page type 3, numbered by MRIN).
namespace marriage {
inline constexpr int kHusband = 4;
inline constexpr int kWife = 8;
inline constexpr int kFirstChildLink = 12;
inline constexpr int kHusbandNext = 16;
inline constexpr int kWifeNext = 20;
inline constexpr int kDate = 52;         // PafDate
inline constexpr int kPlace = 64;        // int32 offset of a text record
inline constexpr int kSealing = 76;      // PafDate (ordinance)
inline constexpr int kStatus = 97;       // 'D' deleted
}  // namespace marriage

// Child link record (page type 5): joins one child to one family. The links of a
// family form a circle through kNext.
namespace childlink {
inline constexpr int kMrin = 0;
inline constexpr int kNext = 4;
inline constexpr int kChild = 12;
inline constexpr int kSealing = 16;      // PafDate (ordinance): sealing to parents
inline constexpr int kStatus = 37;
}  // namespace childlink

// Name-index node (page type 10): node n belongs to RIN n.
namespace namenode {
inline constexpr int kRight = 0;         // names after this one
inline constexpr int kLeft = 4;          // names before this one
inline constexpr int kNameEntry = 12;    // file offset of the name entry
}  // namespace namenode

// Variable-length records addressed by file offset.
namespace text {
inline constexpr int kTextStart = 13;    // text record: 13 header bytes, then NUL-terminated text
inline constexpr int kTextWindow = 269;  // the reader's window; its last byte is forced to NUL
}  // namespace text

namespace nameentry {
inline constexpr int kLinkA = 0;
inline constexpr int kLinkB = 4;
inline constexpr int kRin = 8;
inline constexpr int kFlag = 12;
inline constexpr int kNameStart = 15;    // NUL-terminated name, at most 255 characters
inline constexpr int kWindow = 271;
}  // namespace nameentry

inline constexpr int kDateSize = 12;

}  // namespace tw::paf
