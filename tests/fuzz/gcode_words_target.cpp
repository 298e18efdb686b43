#include <cmath>
#include <string>
#include <string_view>

#include "fuzz_targets.h"
#include "gcode/gcode_words.h"

namespace zrv::fuzz {
namespace {

bool sameWords(const GcodeWords& a, const GcodeWords& b) {
    if (a.count != b.count || a.grblError != b.grblError || a.system != b.system) {
        return false;
    }
    for (std::size_t k = 0; k < a.count; ++k) {
        if (a.slots[k].letter != b.slots[k].letter || a.slots[k].value != b.slots[k].value) {
            return false;
        }
    }
    return true;
}

std::string checkTaken(std::string_view line, const GcodeWords& read) {
    if (!read.comment.empty() &&
        (!line.ends_with(read.comment) || (read.comment[0] != '(' && read.comment[0] != ';'))) {
        return "the comment is not the line's end from a bracket or semicolon";
    }
    constexpr std::string_view kLetters = "FGIJKLMNPRSTXYZ";
    std::string again;
    for (const GcodeWord& word : read.words()) {
        const char first = word.text.empty() ? '\0' : word.text[0];
        if (kLetters.find(word.letter) == std::string_view::npos ||
            (first != word.letter && first != word.letter - 'A' + 'a')) {
            return "a word of a letter GRBL does not know, or not at its text";
        }
        if (!std::isfinite(word.value)) {
            return "a word's value is not finite";
        }
        again += std::string(word.text) + " ";
    }
    // The words' own texts, one after another, are the same line to GRBL.
    if (!read.system && !sameWords(readGcodeWords(again), read)) {
        return "the words written out read back otherwise";
    }
    return {};
}

}  // namespace

std::string gcodeWords(Bytes data) {
    const std::string line(data.begin(), data.end());
    const GcodeWords read = readGcodeWords(line);
    GcodeWords reused = readGcodeWords("G1 X1 Y2 Z3 F100 (before)");
    readGcodeWords(line, reused);
    if (!sameWords(read, reused) || read.comment != reused.comment) {
        return "a reused set of words reads the line otherwise";
    }
    if (read.count > kMostGcodeWords - 1) {
        return "more words than GRBL's line holds";
    }
    if (read.grblError == 0) {
        return read.refusal.empty() ? checkTaken(line, read) : "a refusal without an error";
    }
    if (read.count != 0 ||
        !read.refusal.ends_with("(error:" + std::to_string(read.grblError) + ")")) {
        return "a refused line with words or without its error number";
    }
    return {};
}

}  // namespace zrv::fuzz
