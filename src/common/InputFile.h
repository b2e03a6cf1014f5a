#pragma once
// The one way the program reads a whole file that comes from outside (text
// files to import, grade lists, settings to copy, form control files, the
// files of a data backup): only a regular file is read, and only up to a
// stated size. A folder, a device, a FIFO or a socket is refused before any
// byte is read - a FIFO would block, a device may never end, and a folder's
// "size" is meaningless - and so is a file larger than the limit, so no
// input can make the program allocate without bound. Every refusal comes
// with a German message that names the file.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ruvek {

// The largest file the program reads whole is a class file of 65,535 records
// (just under 378 MB); readers of smaller formats pass a tighter limit.
inline constexpr std::uintmax_t kInputFileLimit = std::uintmax_t{400} << 20;

enum class InputFileError {
    None,
    NotFound,     // no such file (or a path through something that is no folder)
    Folder,       // a folder was named
    NotRegular,   // a device, FIFO or socket
    TooLarge,     // larger than the limit
    CannotRead,   // no permission, or the system failed while reading
};

struct InputFile {
    std::vector<std::uint8_t> bytes;
    InputFileError error = InputFileError::None;
    std::string message;   // German, names the file; empty when read
    explicit operator bool() const { return error == InputFileError::None; }
};

// Reads the whole regular file `path` of at most `limit` bytes.
InputFile readInputFile(const std::filesystem::path& path, std::uintmax_t limit = kInputFileLimit);

// The German message for a refusal of `path` (empty for None).
std::string inputFileMessage(InputFileError error, const std::filesystem::path& path,
                             std::uintmax_t limit = kInputFileLimit, const std::string& reason = {});

} // namespace ruvek
