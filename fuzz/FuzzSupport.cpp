#include "FuzzSupport.h"

#include <fstream>
#include <string>
#include <unistd.h>

namespace ruvek::fuzz {
namespace fs = std::filesystem;

const fs::path& scratchFolder()
{
    static const fs::path folder = [] {
        // Memory-backed when available: the readers open real files, and a
        // fuzzer writes thousands of them per second.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "ruvek-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            fail("cannot create the scratch folder");
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(scratchFolder(), ignored);
        });
        return fs::path(pattern);
    }();
    return folder;
}

fs::path putFile(const fs::path& folder, const char* name, std::span<const std::uint8_t> bytes)
{
    const fs::path path = folder / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    check(static_cast<bool>(out), "cannot write the input file");
    return path;
}

fs::path freshFolder(const char* name)
{
    const fs::path folder = scratchFolder() / name;
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    check(!ec, "cannot create a scratch subfolder");
    return folder;
}

} // namespace ruvek::fuzz
