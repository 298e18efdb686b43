#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::test {

// A fresh folder for one test, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Whole files as bytes, without the program's own text helpers.
void writeBytes(const std::filesystem::path& path, std::string_view bytes);
std::string readBytes(const std::filesystem::path& path);

// Lines joined with CR LF after each, as bytes.
std::string crlfFile(const std::vector<std::string>& lines);

}  // namespace zrv::test
