#include "preview/png.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zrv {

namespace {

constexpr std::array<std::uint32_t, 256> crcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                      4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                      9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::size_t kLongestMatch = 258;
constexpr std::size_t kFarthest = 32768;

class BitWriter {
  public:
    // Extra bits and headers go least significant bit first.
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            push((value >> i) & 1);
        }
    }
    // Huffman codes go most significant bit first.
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            push((value >> i) & 1);
        }
    }
    std::vector<std::uint8_t> finish() {
        if (used_ > 0) {
            bytes_.push_back(current_);
        }
        return std::move(bytes_);
    }

  private:
    void push(std::uint32_t bit) {
        current_ = static_cast<std::uint8_t>(current_ | (bit << used_));
        if (++used_ == 8) {
            bytes_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }

    std::vector<std::uint8_t> bytes_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

void literalOrLength(BitWriter& out, unsigned symbol) {
    if (symbol < 144) {
        out.code(0x30 + symbol, 8);
    } else if (symbol < 256) {
        out.code(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        out.code(symbol - 256, 7);
    } else {
        out.code(0xC0 + symbol - 280, 8);
    }
}

void match(BitWriter& out, std::size_t length, std::size_t distance) {
    std::size_t l = kLengthBase.size() - 1;
    while (kLengthBase[l] > length) {
        --l;
    }
    literalOrLength(out, static_cast<unsigned>(257 + l));
    out.bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    std::size_t d = kDistanceBase.size() - 1;
    while (kDistanceBase[d] > distance) {
        --d;
    }
    out.code(static_cast<std::uint32_t>(d), 5);
    out.bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

std::size_t matchLength(const std::vector<std::uint8_t>& data, std::size_t at,
                        std::size_t distance) {
    const std::size_t most = std::min(kLongestMatch, data.size() - at);
    std::size_t length = 0;
    while (length < most && data[at + length] == data[at + length - distance]) {
        ++length;
    }
    return length;
}

std::vector<std::uint8_t> deflateFixed(const std::vector<std::uint8_t>& data, std::size_t stride) {
    BitWriter out;
    out.bits(1, 1);  // the last block
    out.bits(1, 2);  // fixed codes
    const std::array<std::size_t, 2> distances{3, stride};
    for (std::size_t at = 0; at < data.size();) {
        std::size_t best = 0;
        std::size_t bestDistance = 0;
        for (std::size_t distance : distances) {
            if (distance <= at && distance <= kFarthest) {
                const std::size_t length = matchLength(data, at, distance);
                if (length > best) {
                    best = length;
                    bestDistance = distance;
                }
            }
        }
        if (best >= 3) {
            match(out, best, bestDistance);
            at += best;
        } else {
            literalOrLength(out, data[at]);
            ++at;
        }
    }
    literalOrLength(out, 256);
    return out.finish();
}

void bigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void chunk(std::string& out, const char* type, const std::vector<std::uint8_t>& data) {
    bigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.append(typed.begin(), typed.end());
    bigEndian(out, crc32(typed));
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    static constexpr std::array<std::uint32_t, 256> kTable = crcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) {
        c = kTable[(c ^ b) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::string pngBytes(const RgbImage& image) {
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);  // no filter
        const auto row = image.pixels.begin() +
                         static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * rowBytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    std::vector<std::uint8_t> zlib{0x78, 0x01};
    const std::vector<std::uint8_t> deflated = deflateFixed(raw, rowBytes + 1);
    zlib.insert(zlib.end(), deflated.begin(), deflated.end());
    const std::uint32_t check = adler32(raw);
    for (int shift = 24; shift >= 0; shift -= 8) {
        zlib.push_back(static_cast<std::uint8_t>((check >> shift) & 0xFF));
    }

    std::vector<std::uint8_t> header;
    std::string bytes = "\x89PNG\r\n\x1a\n";
    std::string size;
    bigEndian(size, static_cast<std::uint32_t>(image.width));
    bigEndian(size, static_cast<std::uint32_t>(image.height));
    header.assign(size.begin(), size.end());
    // 8-bit RGB, deflate, the one filter method, no interlace
    constexpr std::array<std::uint8_t, 5> kFormat{8, 2, 0, 0, 0};
    header.insert(header.end(), kFormat.begin(), kFormat.end());
    chunk(bytes, "IHDR", header);
    chunk(bytes, "IDAT", zlib);
    chunk(bytes, "IEND", {});
    return bytes;
}

}  // namespace zrv
