#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "reader/record_scan.h"
#include "support/recording_host.h"

#include "support/case_name.h"

namespace zrv {
namespace {

// A rectangle-style hit at byte 0 whose byte `dirty` (if any) is not zero.
std::string hitWithDirtyByte(std::string_view marker, std::size_t length, int dirty) {
    std::string bytes(length, '\0');
    bytes.replace(0, marker.size(), marker);
    if (dirty >= 0) {
        bytes[static_cast<std::size_t>(dirty)] = '\x01';
    }
    return bytes;
}

struct FixedByteCase {
    const char* name;
    int dirtyOffset;     // -1: all zero
    std::size_t length;  // bytes from the marker on
    const char* rectangleFault;
    const char* lineFault;

    friend void PrintTo(const FixedByteCase& row, std::ostream* out) { *out << row.name; }
};

const FixedByteCase kFixedByteCases[] = {
    {"clean record", -1, 64, "", ""},
    {"offset 3 is never examined", 3, 64, "", ""},
    {"offset 4", 4, 64, "?", "?"},
    {"offset 6", 6, 64, "?", "?"},
    {"offsets 7 to 9 are the colour", 8, 64, "", ""},
    {"offset 10", 10, 64, "??", ""},
    {"offset 14", 14, 64, "??", ""},
    {"offsets 15 to 17 are free", 16, 64, "", ""},
    {"offset 18", 18, 64, "???", ""},
    {"offset 23", 23, 64, "???", ""},
    {"offset 24 is data", 24, 64, "", ""},
    {"file ends inside offsets 4 to 6", -1, 6, "?", "?"},
    {"file ends inside offsets 10 to 14", -1, 12, "??", ""},
    {"file ends inside offsets 18 to 23", -1, 23, "???", ""},
};

class FixedBytes : public testing::TestWithParam<FixedByteCase> {};

TEST_P(FixedBytes, FirstFailingTestNamesTheFault) {
    const FixedByteCase& c = GetParam();
    const std::string rectangle = hitWithDirtyByte(kRechteckRecord.marker, c.length, c.dirtyOffset);
    const std::string line = hitWithDirtyByte(kLinieRecord.marker, c.length, c.dirtyOffset);
    EXPECT_EQ(fixedByteFault(rectangle, 0, kRechteckRecord), c.rectangleFault);
    EXPECT_EQ(fixedByteFault(rectangle, 0, kKreisRecord), c.rectangleFault);
    EXPECT_EQ(fixedByteFault(line, 0, kLinieRecord), c.lineFault);
    EXPECT_EQ(fixedByteFault(line, 0, kPolygonRecord), c.lineFault);
}

INSTANTIATE_TEST_SUITE_P(Offsets, FixedBytes, testing::ValuesIn(kFixedByteCases), test::CaseName());

TEST(RecordScan, StepsOneByteAndFindsMarkersInsideRecords) {
    // A line record whose data holds a second marker with clean bytes after it and a third
    // with a dirty byte: the scan reports the third and hands over the first two.
    std::string bytes(80, '\0');
    bytes.replace(0, 3, kLinieRecord.marker);
    bytes.replace(30, 3, kLinieRecord.marker);
    bytes.replace(60, 3, kLinieRecord.marker);
    bytes[65] = '\x09';
    test::RecordingHost recorder;
    std::vector<std::size_t> positions;
    scanRecords(bytes, kLinieRecord, recorder.progress, [&](const Record& record) {
        positions.push_back(record.position());
        EXPECT_EQ(record.bytes().size(), bytes.size() - (record.position() - 1));
        return true;
    });
    EXPECT_EQ(positions, (std::vector<std::size_t>{1, 31}));
    EXPECT_EQ(recorder.progress.lines, (std::vector<std::string>{"?"}));
}

TEST(RecordScan, OverlappingMarkersAreEachExamined) {
    // 01 00 01 00 01: circle markers at bytes 0 and 2.
    std::string bytes(40, '\0');
    bytes.replace(0, 5, std::string("\x01\x00\x01\x00\x01", 5));
    test::RecordingHost recorder;
    int records = 0;
    scanRecords(bytes, kKreisRecord, recorder.progress, [&](const Record&) {
        ++records;
        return true;
    });
    // The hit at 0 has 01 at offset 4; the hit at 2 is clean.
    EXPECT_EQ(records, 1);
    EXPECT_EQ(recorder.progress.lines, (std::vector<std::string>{"?"}));
}

TEST(RecordScan, TheParserCanEndTheScan) {
    std::string bytes(100, '\0');
    for (std::size_t at : {0u, 40u, 80u}) {
        bytes.replace(at, 4, kPunktRecord.marker);
    }
    test::RecordingHost recorder;
    int records = 0;
    scanRecords(bytes, kPunktRecord, recorder.progress,
                [&](const Record&) { return ++records < 2; });
    EXPECT_EQ(records, 2);
}

TEST(Record, FieldsAndBytesPastTheEndAreShortOrMissing) {
    const std::string bytes("\x04\x00\x01\x00\x00\x00\x00\xAA\xBB", 9);
    const Record record(bytes, 1);
    EXPECT_EQ(record.byte(7), 0xAA);
    EXPECT_FALSE(record.byte(9));
    EXPECT_EQ(record.field(6).size(), 3u);
    EXPECT_TRUE(record.field(9).empty());
    EXPECT_TRUE(record.field(400).empty());
}

}  // namespace
}  // namespace zrv
