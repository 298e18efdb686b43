#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/host.h"

namespace zrv {

// What the scan knows about one kind of record.
struct RecordKind {
    std::string_view marker;   // the bytes every record of the kind starts with
    bool allFixedByteTests;    // offsets 10-14 and 18-23 must be zero too
    std::size_t colourOffset;  // red, green, blue
    std::string_view name;     // the kind in German, for messages
};

inline constexpr RecordKind kPunktRecord{{"\x08\x01\x00\x02", 4}, false, 15, "Punkt"};
inline constexpr RecordKind kLinieRecord{{"\x04\x00\x01", 3}, false, 7, "Linie"};
inline constexpr RecordKind kRechteckRecord{{"\x02\x00\x01", 3}, true, 7, "Rechteck"};
inline constexpr RecordKind kPolygonRecord{{"\x05\x00\x01", 3}, false, 7, "Polygon"};
inline constexpr RecordKind kKreisRecord{{"\x01\x00\x01", 3}, true, 7, "Kreis"};

// A record found by the scan: the bytes from its marker's first byte to the end of the file.
class Record {
  public:
    Record(std::string_view fromMarker, std::size_t position)
        : bytes_(fromMarker), position_(position) {}

    std::string_view bytes() const { return bytes_; }
    std::size_t position() const { return position_; }  // of the marker, 1-based in the file

    std::optional<std::uint8_t> byte(std::size_t offset) const;
    // The 4-byte value field at `offset`; shorter when the file ends inside it.
    std::string_view field(std::size_t offset) const;

  private:
    std::string_view bytes_;
    std::size_t position_;
};

// The fixed-byte test of a marker hit at byte index `hit`: "" for a record, otherwise the
// status line of the first failing test ("?", "??" or "???"). Bytes past the end of the file
// count as not zero.
std::string_view fixedByteFault(std::string_view inhalt, std::size_t hit, const RecordKind& kind);

// A hit so near the end of the file that its fixed bytes run past it while those present are
// zero: the file was cut inside the record's first bytes.
bool cutByTheEnd(std::string_view inhalt, std::size_t hit, const RecordKind& kind);

// A damaged file can hold a failing marker hit every few bytes; past this many per scan the
// status list only counts them, so it cannot grow to ten times the file.
inline constexpr std::size_t kMostFaultLines = 1000;

// The line that stands for the fault lines left out.
inline std::string moreFaultsLine(std::size_t leftOut) {
    return "... " + std::to_string(leftOut) + " weitere";
}

// The record scan: every occurrence of the kind's marker, one byte after the last hit, also
// inside the data of a record just read. A hit cut by the end goes to `onCutOff(const Record&)`
// and ends the scan; other hits that fail the fixed-byte test go to the status list (the first
// kMostFaultLines of them); for the rest `onRecord(const Record&)` decides whether the scan goes
// on (true).
template <class OnRecord, class OnCutOff>
void scanRecords(std::string_view inhalt, const RecordKind& kind, Progress& progress,
                 OnRecord&& onRecord, OnCutOff&& onCutOff) {
    std::size_t faults = 0;
    for (std::size_t hit = inhalt.find(kind.marker); hit != std::string_view::npos;
         hit = inhalt.find(kind.marker, hit + 1)) {
        const std::string_view fault = fixedByteFault(inhalt, hit, kind);
        if (!fault.empty() && cutByTheEnd(inhalt, hit, kind)) {
            onCutOff(Record(inhalt.substr(hit), hit + 1));
            break;
        }
        if (!fault.empty()) {
            if (++faults <= kMostFaultLines) {
                progress.addLine(fault);
            }
            continue;
        }
        if (!onRecord(Record(inhalt.substr(hit), hit + 1))) {
            break;
        }
    }
    if (faults > kMostFaultLines) {
        progress.addLine(moreFaultsLine(faults - kMostFaultLines));
    }
}

// The scan of a caller that treats a cut-off hit like any other failing one.
template <class OnRecord>
void scanRecords(std::string_view inhalt, const RecordKind& kind, Progress& progress,
                 OnRecord&& onRecord) {
    scanRecords(inhalt, kind, progress, std::forward<OnRecord>(onRecord), [&](const Record& r) {
        progress.addLine(fixedByteFault(inhalt, r.position() - 1, kind));
    });
}

}  // namespace zrv
