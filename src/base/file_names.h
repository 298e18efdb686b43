#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zrv {

// DATEI_OHNE_PFAD: the file name of a path, everything after its last "\" or "/". A path of
// four characters or fewer gives the empty text; a name without any separator is its own name.
std::string DATEI_OHNE_PFAD(std::string_view path);

// DATEI_BASIS of a path: everything left of the first "." among its last five characters.
// No answer when none of them is a ".".
std::optional<std::string> dateiBasis(std::string_view path);

// A UTF-8 path text as a path of the file system.
std::filesystem::path fileSystemPath(std::string_view utf8);

// Whether two UTF-8 path texts name the same file: the same file on disk, or the same path
// once made absolute and free of "." and "..".
bool sameFile(std::string_view a, std::string_view b);

// A regular file with a length above 0 bytes; the path as the program's UTF-8 text.
bool holdsBytes(std::string_view path);

// The number of characters of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

}  // namespace zrv
