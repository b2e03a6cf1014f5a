#pragma once
// Shared by the tests of the kept versions, recovery files, locks and undo:
// an open class with named records whose file commands keep the work safe.
#include "classfile/OpenClass.h"

#include "Fixtures.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ruvek::test {

// A class of the given names, saved as `file` (no question asked).
inline void makeClass(OpenClass& cls, const std::filesystem::path& file, const std::vector<std::string>& names)
{
    cls.records.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        cls.records[i] = cls.newRecordTemplate;
        cls.records[i].Name = names[i];
        cls.records[i].SchlNr = static_cast<std::int32_t>(i + 1);
    }
    cls.header = newFileHeader(cls.count());
    cls.dataFolder = file.parent_path();
    cls.fileName = file.filename().string();
    ASSERT_TRUE(writeClassFile(file, cls.header, cls.records));
}

inline std::vector<std::string> namesOf(const TDB2& records)
{
    std::vector<std::string> out;
    for (const auto& r : records)
        out.push_back(r.Name.str());
    return out;
}

// Every file below `folder` with its bytes.
inline std::map<std::filesystem::path, ByteVec> folderContents(const std::filesystem::path& folder)
{
    std::map<std::filesystem::path, ByteVec> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            out[e.path()] = readBytes(e.path());
    return out;
}

inline void setFileTime(const std::filesystem::path& file, int minutesAfterBase)
{
    const auto base = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    std::filesystem::last_write_time(file, base + std::chrono::minutes(minutesAfterBase));
}

inline bool sameRecords(const TDB2& a, const TDB2& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const TZgnRec& x, const TZgnRec& y) {
               return toBytes(x) == toBytes(y);
           });
}

} // namespace ruvek::test
