#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace zrv {

// Writes the bytes to a temporary file beside the target and renames it over the target only
// when everything was written and flushed; on any failure the previous file stays untouched
// and the message names the path and the cause in German.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Lines (UTF-8) as a Windows-1252 text with CR LF after every line.
std::string windowsText(std::span<const std::string> lines);

// writeFileAtomically(target, windowsText(lines)).
Status writeTextFile(const std::filesystem::path& target, std::span<const std::string> lines);

// Reads a whole file as bytes; the error names the path and the cause in German.
struct FileBytes {
    std::string bytes;
    Status status;
};
FileBytes readFileBytes(const std::filesystem::path& path);

// The lines of a text: CR LF and LF both end a line, and a last line without an end counts too.
std::vector<std::string> textLines(std::string_view text);

// A file that says how it is written, as UTF-8: UTF-16 (see utf16Text) or UTF-8 after a
// byte-order mark. None for any other file.
std::optional<std::string> markedText(std::string_view bytes);

// A hand-edited text file as UTF-8: markedText, or else Windows-1252 as the program writes it.
std::string decodedText(std::string_view bytes);

// Reads a Windows-1252 text file into UTF-8 lines (textLines).
struct TextLines {
    std::vector<std::string> lines;
    Status status;
};
TextLines readTextFile(const std::filesystem::path& path);

// A German description of a system error number (for messages about files).
std::string systemErrorText(int errorNumber);

}  // namespace zrv
