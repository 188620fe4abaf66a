#pragma once
// Reading the parts of a zip archive (the container of .xlsx and .ods
// workbooks) in the reader program, through libzip. A part is inflated piece
// by piece, and none may inflate past InflatedPartCap, whatever size the
// archive declares for it: a small file that unpacks to gigabytes (a zip
// bomb) is refused once the cap is passed. Plain C++.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct zip;

namespace quorvan {

// Far more than the parts a list needs ever take; what fits the reader's memory limit many times.
constexpr std::uint64_t InflatedPartCap = std::uint64_t(64) << 20;

class ZipArchive {
public:
    // Throws std::runtime_error with a sentence for the user when the file is
    // not a whole zip archive.
    explicit ZipArchive(const char* path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool Has(const std::string& part) const;

    // Hands the inflated bytes of `part` to `take`, piece by piece, until the
    // part ends or `take` answers false. Throws as above when the part is
    // missing, damaged or inflates past the cap.
    void Read(const std::string& part, const std::function<bool(std::string_view)>& take) const;

private:
    zip* archive_ = nullptr;
};

} // namespace quorvan
