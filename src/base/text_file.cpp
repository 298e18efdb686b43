#include "base/text_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>
#include <utility>

#include "text/byte_order.h"
#include "text/windows1252.h"

namespace zrv {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string quoted(const std::filesystem::path& path) {
    return "„" + path.string() + "“";
}

Status writeFailure(const std::filesystem::path& path, int errorNumber) {
    return Status::failure("Die Datei " + quoted(path) + " konnte nicht geschrieben werden: " +
                           systemErrorText(errorNumber) + ".");
}

Status readFailure(const std::filesystem::path& path, int errorNumber) {
    return Status::failure("Die Datei " + quoted(path) +
                           " konnte nicht gelesen werden: " + systemErrorText(errorNumber) + ".");
}

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".zrvcam-tmp";
    return temporary;
}

// Writes everything and closes the file; the error number of the first failure, else 0.
int writeAll(const std::filesystem::path& path, std::string_view bytes) {
    errno = 0;
    std::FILE* raw = std::fopen(path.string().c_str(), "wb");
    if (raw == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    FilePtr file(raw);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return errno != 0 ? errno : EIO;
    }
    if (std::fflush(file.get()) != 0) {
        return errno != 0 ? errno : EIO;
    }
    // Closing may report the last failure (a full disk), so it is checked, not left to RAII.
    if (std::fclose(file.release()) != 0) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

}  // namespace

Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        return writeFailure(target, EISDIR);
    }
    const std::filesystem::path temporary = temporaryBeside(target);
    if (const int error = writeAll(temporary, bytes); error != 0) {
        std::filesystem::remove(temporary, ec);
        return writeFailure(target, error);
    }
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return writeFailure(target, ec.value());
    }
    return Status::success();
}

std::string windowsText(std::span<const std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += utf8ToWindows1252(line);
        text += "\r\n";
    }
    return text;
}

Status writeTextFile(const std::filesystem::path& target, std::span<const std::string> lines) {
    return writeFileAtomically(target, windowsText(lines));
}

FileBytes readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {{}, readFailure(path, EISDIR)};
    }
    errno = 0;
    FilePtr file(std::fopen(path.string().c_str(), "rb"));
    if (!file) {
        return {{}, readFailure(path, errno != 0 ? errno : EIO)};
    }
    FileBytes result;
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        result.bytes.append(buffer, count);
    }
    if (std::ferror(file.get()) != 0) {
        return {{}, readFailure(path, errno != 0 ? errno : EIO)};
    }
    return result;
}

TextLines readTextFile(const std::filesystem::path& path) {
    FileBytes file = readFileBytes(path);
    TextLines result{{}, file.status};
    if (!file.status.ok()) {
        return result;
    }
    result.lines = textLines(windows1252ToUtf8(file.bytes));
    return result;
}

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> markedText(std::string_view bytes) {
    if (std::optional<std::string> wide = utf16Text(bytes)) {
        return wide;
    }
    if (bytes.starts_with(kUtf8Mark)) {
        return std::string(bytes.substr(kUtf8Mark.size()));
    }
    return std::nullopt;
}

std::string decodedText(std::string_view bytes) {
    std::optional<std::string> marked = markedText(bytes);
    return marked ? std::move(*marked) : windows1252ToUtf8(bytes);
}

std::string systemErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Datei oder Ordner nicht gefunden";
        case EACCES:
        case EPERM:
            return "Zugriff verweigert";
        case EROFS:
            return "Das Laufwerk ist schreibgeschützt";
        case ENOSPC:
            return "Kein Platz mehr auf dem Datenträger";
        case EFBIG:
            return "Die Datei ist zu groß";
        case EISDIR:
            return "An dieser Stelle steht ein Ordner";
        case ENOTDIR:
            return "Ein Teil des Pfads ist kein Ordner";
        case ENAMETOOLONG:
            return "Der Pfad ist zu lang";
        case EBUSY:
        case ETXTBSY:
            return "Die Datei ist in Gebrauch";
        case EMFILE:
        case ENFILE:
            return "Zu viele offene Dateien";
        case EIO:
            return "Ein-/Ausgabefehler";
        default:
            return "Systemfehler " + std::to_string(errorNumber);
    }
}

}  // namespace zrv
