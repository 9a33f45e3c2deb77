#pragma once

#include <filesystem>
#include <string>

namespace gb_test {

// A fresh directory under the system's temporary folder, removed with all its contents
// when the object goes out of scope.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return root; }
    // The name is appended byte for byte: a path object would re-encode it on Windows.
    std::string file(const std::string &relative) const {
        return root.string() + static_cast<char>(std::filesystem::path::preferred_separator) +
               relative;
    }

  private:
    std::filesystem::path root;
};

// A UTF-8 path as a path object; on Windows a narrow text would be read in the ANSI code page.
std::filesystem::path utf8_path(const std::string &path);

// Whole-file helpers for tests that check what the code wrote.
void write_file(const std::string &path, const std::string &contents);
std::string read_file(const std::string &path);
// A text file as the C runtime reads it in text mode: on Windows, where programs end their
// lines with CR LF, the line ends become LF.
std::string read_text_file(const std::string &path);

} // namespace gb_test
