#include "common/SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace ruvek {
namespace {
constexpr std::size_t kBufferSize = 1 << 20;

std::string tempNameFor(const std::filesystem::path& target)
{
    static std::mt19937 gen{std::random_device{}()};
    return "." + target.filename().string() + ".tmp" + std::to_string(gen() % 1000000);
}
} // namespace

SafeFileWriter::SafeFileWriter(std::filesystem::path target) : m_target(std::move(target)) {}

SafeFileWriter::~SafeFileWriter() { discard(); }

bool SafeFileWriter::open()
{
    discard();
    m_failed = false;
    for (int attempt = 0; attempt < 10 && m_fd < 0; ++attempt) {
        m_temp = m_target.parent_path() / tempNameFor(m_target);
        m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_error = std::strerror(errno);
        m_temp.clear();
        return false;
    }
    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0)
        ::fchmod(m_fd, st.st_mode & 07777);
    m_buffer.reserve(kBufferSize);
    return true;
}

bool SafeFileWriter::flushBuffer()
{
    std::size_t done = 0;
    while (done < m_buffer.size()) {
        const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_error = std::strerror(errno);
            m_failed = true;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    m_buffer.clear();
    return true;
}

bool SafeFileWriter::write(ConstBytes data)
{
    if (m_fd < 0 || m_failed)
        return false;
    if (m_buffer.size() + data.size() > kBufferSize && !flushBuffer())
        return false;
    if (data.size() >= kBufferSize) {
        m_buffer.assign(data.begin(), data.end());
        return flushBuffer();
    }
    m_buffer.insert(m_buffer.end(), data.begin(), data.end());
    return true;
}

bool SafeFileWriter::commit()
{
    if (m_fd < 0 || m_failed || !flushBuffer())
        return false;
    if (::fsync(m_fd) != 0 || ::close(m_fd) != 0) {
        m_error = std::strerror(errno);
        m_fd = -1;
        discard();
        return false;
    }
    m_fd = -1;
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        m_error = std::strerror(errno);
        discard();
        return false;
    }
    m_temp.clear();
    // Make the rename itself durable.
    const auto folder = m_target.parent_path().empty() ? std::filesystem::path(".") : m_target.parent_path();
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

void SafeFileWriter::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
    m_buffer.clear();
}

bool writeFileSafely(const std::filesystem::path& path, ConstBytes data, std::string* error)
{
    SafeFileWriter writer(path);
    const bool ok = writer.open() && writer.write(data) && writer.commit();
    if (!ok && error)
        *error = writer.errorText();
    return ok;
}

bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0)
        return false;
    in.seekg(0);
    out.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(out.data()), size);
    return static_cast<bool>(in) || out.empty();
}

} // namespace ruvek
