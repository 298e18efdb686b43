#include "reader/record_scan.h"

namespace zrv {

namespace {

bool allZero(std::string_view inhalt, std::size_t from, std::size_t count) {
    if (from + count > inhalt.size()) {
        return false;
    }
    for (char c : inhalt.substr(from, count)) {
        if (c != '\0') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::uint8_t> Record::byte(std::size_t offset) const {
    if (offset >= bytes_.size()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(bytes_[offset]);
}

std::string_view Record::field(std::size_t offset) const {
    return offset >= bytes_.size() ? std::string_view{} : bytes_.substr(offset, 4);
}

bool cutByTheEnd(std::string_view inhalt, std::size_t hit, const RecordKind& kind) {
    const std::size_t fixedEnd = hit + (kind.allFixedByteTests ? 24 : 7);
    if (fixedEnd <= inhalt.size()) {
        return false;
    }
    for (std::size_t at = hit + 4; at < inhalt.size(); ++at) {
        const std::size_t offset = at - hit;
        const bool fixed = offset < 7 || (offset >= 10 && offset < 15) || offset >= 18;
        if (fixed && inhalt[at] != '\0') {
            return false;
        }
    }
    return true;
}

std::string_view fixedByteFault(std::string_view inhalt, std::size_t hit, const RecordKind& kind) {
    if (!allZero(inhalt, hit + 4, 3)) {
        return "?";
    }
    if (!kind.allFixedByteTests) {
        return {};
    }
    if (!allZero(inhalt, hit + 10, 5)) {
        return "??";
    }
    if (!allZero(inhalt, hit + 18, 6)) {
        return "???";
    }
    return {};
}

}  // namespace zrv
