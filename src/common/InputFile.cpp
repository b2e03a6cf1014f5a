#include "common/InputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ruvek {

namespace {

std::string sizeText(std::uintmax_t bytes)
{
    if (bytes >= (std::uintmax_t{1} << 20) && bytes % (std::uintmax_t{1} << 20) == 0)
        return std::to_string(bytes >> 20) + " MB";
    return std::to_string(bytes) + " Bytes";
}

struct FdCloser {
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

InputFile refused(InputFileError error, const std::filesystem::path& path, std::uintmax_t limit,
                  const std::string& reason = {})
{
    InputFile f;
    f.error = error;
    f.message = inputFileMessage(error, path, limit, reason);
    return f;
}

} // namespace

std::string inputFileMessage(InputFileError error, const std::filesystem::path& path, std::uintmax_t limit,
                             const std::string& reason)
{
    const std::string name = "„" + path.string() + "“";
    switch (error) {
    case InputFileError::None:
        return {};
    case InputFileError::NotFound:
        return "Die Datei " + name + " wurde nicht gefunden.";
    case InputFileError::Folder:
        return name + " ist ein Ordner, keine Datei.";
    case InputFileError::NotRegular:
        return name + " ist keine gewöhnliche Datei (sondern ein Gerät, eine Pipe oder ein Socket) "
                      "und wird nicht gelesen.";
    case InputFileError::TooLarge:
        return "Die Datei " + name + " ist größer als " + sizeText(limit) + " und wird nicht gelesen.";
    case InputFileError::CannotRead:
        return "Die Datei " + name + " kann nicht gelesen werden" + (reason.empty() ? "" : ": " + reason) + ".";
    }
    return {};
}

InputFile readInputFile(const std::filesystem::path& path, std::uintmax_t limit)
{
    // O_NONBLOCK: opening a FIFO without a writer must not hang; the type
    // is checked on the open descriptor, so nothing can be swapped in
    // between the check and the read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR)
            return refused(InputFileError::NotFound, path, limit);
        if (err == ENXIO)   // a socket, or a FIFO opened for writing elsewhere
            return refused(InputFileError::NotRegular, path, limit);
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec))
            return refused(InputFileError::Folder, path, limit);
        return refused(InputFileError::CannotRead, path, limit, std::strerror(err));
    }
    const FdCloser closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return refused(InputFileError::CannotRead, path, limit, std::strerror(errno));
    if (S_ISDIR(st.st_mode))
        return refused(InputFileError::Folder, path, limit);
    if (!S_ISREG(st.st_mode))
        return refused(InputFileError::NotRegular, path, limit);
    if (static_cast<std::uintmax_t>(st.st_size) > limit)
        return refused(InputFileError::TooLarge, path, limit);
    // Regular files never block; reading goes on to the real end of the file
    // (it may have grown since fstat), but never past the limit.
    InputFile f;
    f.bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
        if (got == f.bytes.size()) {
            if (f.bytes.size() > limit)
                return refused(InputFileError::TooLarge, path, limit);
            f.bytes.resize(f.bytes.size() + 4096);
        }
        const ssize_t n = ::read(fd, f.bytes.data() + got, f.bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return refused(InputFileError::CannotRead, path, limit, std::strerror(errno));
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit)
        return refused(InputFileError::TooLarge, path, limit);
    f.bytes.resize(got);
    return f;
}

} // namespace ruvek
