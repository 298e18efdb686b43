#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "reader/analysis.h"
#include "reader/record_scan.h"

namespace zrv {

// Raised inside a parser when the analysis cannot go on; the parser turns it into its status.
class AnalysisFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kCalcKoordinatenError = "Error in: CALC_KOORDINATEN";

// The values of a record, each checked; every check that fails raises AnalysisFailure.
class RecordValues {
  public:
    RecordValues(const AnalysisInput& input, const RecordKind& kind, const Record& record)
        : input_(input), kind_(kind), record_(record) {}

    bool colourAccepted() const;                          // FARBE_AKTIV at the kind's offset
    std::uint8_t count(std::size_t offset) const;         // N of a line or polygon
    double coordinate(std::size_t offset) const;          // KOORDINATE, finite
    double angle(std::size_t offset) const;               // CALC_KOORDINATEN, unscaled
    double finite(double value) const;                    // a derived value, checked
    [[noreturn]] void fail(std::string_view what) const;  // a fault of this record

  private:
    const AnalysisInput& input_;
    const RecordKind& kind_;
    const Record& record_;
};

// Raises AnalysisFailure when the list is full (the next index would be above 30000).
void requireRoom(const AnalysisInput& input, const std::vector<std::string>& list,
                 std::string_view listName);

// Stores a figure's entry in its own list and the same text in FRAESUNGEN; neither list takes
// it when one of them is full.
void storeWithMilling(const AnalysisInput& input, FigureStore& store, std::vector<std::string>& own,
                      std::string_view ownName, std::string entry);

// The frame every parser shares: empty its list; when the kind's box is not 0, announce the
// parser in the status list and scan. Each record whose colour passes goes to
// `onRecord(const RecordValues&)`, which tells whether the scan goes on; an AnalysisFailure ends
// the parser with its message.
template <class OnRecord>
Status parseRecords(const AnalysisInput& input, const RecordKind& kind,
                    std::vector<std::string>& list, int enableBox, std::string_view announcement,
                    Host& host, OnRecord&& onRecord) {
    list.clear();
    if (enableBox == 0) {
        return Status::success();
    }
    host.progress.addLine(announcement);
    host.progress.processEvents();
    try {
        scanRecords(
            input.DATEI_INHALT, kind, host.progress,
            [&](const Record& record) {
                const RecordValues values(input, kind, record);
                return !values.colourAccepted() || onRecord(values);
            },
            [&](const Record& record) {
                RecordValues(input, kind, record)
                    .fail("der Datensatz endet vor seinen festen Bytes");
            });
    } catch (const AnalysisFailure& failure) {
        return Status::failure(failure.what());
    }
    return Status::success();
}

}  // namespace zrv
