#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zrv::fuzz {

// Each target takes arbitrary bytes and returns what went wrong: empty when every invariant
// held, otherwise a description. Crashes, leaks and undefined behaviour are the sanitizers'
// findings; the returned text covers wrong results.
using Bytes = std::span<const std::uint8_t>;

// The reader of a drawing from bytes already in memory: the analysis (without the route pass),
// the store, the drill order and the preview's views. The first five bytes choose:
//   0: bits 0-4 enable points, lines, rectangles, polygons, circles; bit 5 writes 2 (greyed)
//      into the enabled boxes; bit 6 flush; bit 7 mirror
//   1: bits 0-5 the colour boxes red, green, blue, grey, black, all; bit 6 German locale
//      (else C); bit 7 writes 2 (greyed, not ticked) into the set colour boxes
//   2: low and high nibble: the drill and the milling level (0-7 the list's texts, then
//      foreign texts)
//   3: bits 0-2 the calibration; bits 3-4 the header (0 the bytes as they are, 1 "ZIRVA40",
//      2 "ZIRVA70", 3 "zirva70" put in front); bits 5-7 the parameter texts
//   4: bits 0-3 the export boxes; bit 4 also writes the hex dump
// The rest is the drawing.
std::string loadDrawing(Bytes data);

// The whole road of a drawing: the bytes of loadDrawing with one more after the first five:
//   5: bits 0-1 the probed surface (none, tilted, a saddle, both) whose log of the drawing's own
//      grid levels the program; bits 2-4 and 5-7 the pass and the peck depth's texts
// After the analysis (with the route pass) come the travel sums, the time estimates, the
// G-code program (written to a temporary folder and read back), the milling table and the dump.
std::string wholeRoad(Bytes data);

// The preview of the whole board written as PNG and SVG, from the bytes of loadDrawing (the
// route pass off): each file is written and has its frame.
std::string previewPictures(Bytes data);

// The settings file: the bytes as a file read over the factory settings; what was read,
// written and read again must stay the same.
std::string settingsFile(Bytes data);

// The leading-number scan against a plain reference.
std::string leadingNumberScan(Bytes data);

// The number formatter: 8 bytes of a double, then a byte choosing the pattern and the locale.
std::string numberFormat(Bytes data);

// The probe choices and a probe log: byte 0 the spacing (bits 0-2) and feed (3-5), byte 1 the depth
// and lift, each from a table of sound and absurd values; byte 2 bit 0 also reads the rest as the
// extra settings file, bits 1-7 the board's size. The rest is the log. A map has finite heights
// only; the probe program and a levelled program carry plain numbers only.
std::string probeLog(Bytes data);

// One program line through the G-code word reader: a refused line has no words and its error
// number; a taken one has letters GRBL knows, finite values, a comment at its end, and its words'
// texts written out read back the same; a reused set of words reads like a fresh one.
std::string gcodeWords(Bytes data);
// The controller link: byte 0 bits 0 and 1 both set read the rest as the user's commands, one
// a line, to a connected link; bit 0 alone reads it as a program file, prepares it and (when
// fit) streams it to the fake controller; otherwise the rest is the controller's replies, in
// pieces with time between them, to a small program (bits 1-3: pause and resume at "!" and "~",
// stop at 0x03, a lost port at the end). Lines go out once, in order, never after a stop; the
// fake's receive buffer never overflows.
std::string controllerLink(Bytes data);

struct Target {
    std::string_view name;  // also the folder of its corpus under tests/fuzz/corpus
    std::string (*run)(Bytes data);
};

inline constexpr Target kTargets[] = {
    {"load", &loadDrawing},
    {"road", &wholeRoad},
    {"picture", &previewPictures},
    {"settings", &settingsFile},
    {"number_scan", &leadingNumberScan},
    {"number_format", &numberFormat},
    {"probe_log", &probeLog},
    {"gcode_words", &gcodeWords},
    {"controller", &controllerLink},
};

}  // namespace zrv::fuzz
