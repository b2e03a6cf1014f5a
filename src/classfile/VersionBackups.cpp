#include "classfile/VersionBackups.h"

#include "classfile/StudentRecord.h"

#include <fstream>

namespace ruvek {
namespace {
namespace fs = std::filesystem;

std::optional<std::uint16_t> headerCount(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    TDateiKopf header{};
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header) || !hasClassFileMagic(header))
        return std::nullopt;
    return header.Anzahl;
}

} // namespace

fs::path versionFolderFor(const fs::path& classFile) { return classFile.parent_path() / kVersionFolderName; }

std::string classStemOf(const fs::path& classFile)
{
    return classFile.stem().string();
}

std::string versionName(const std::string& classStem, const LocalStamp& stamp, int sequence)
{
    return versionFileName(classStem, stamp, sequence, ".RVK");
}

std::optional<VersionKey> parseVersionName(const std::string& fileName, const std::string& classStem)
{
    return parseVersionFileName(fileName, classStem, ".RVK");
}

std::vector<KeptVersion> listKeptVersions(const fs::path& classFile)
{
    std::vector<KeptVersion> out;
    for (FileVersion& v : listVersionsIn(versionFolderFor(classFile), classStemOf(classFile), ".RVK")) {
        const auto count = headerCount(v.path);
        out.push_back({std::move(v.path), v.key, count, v.size});
    }
    return out;
}

KeepResult keepCurrentVersion(const fs::path& classFile, std::size_t keep, std::string* error)
{
    return keepVersionOf(classFile, classStemOf(classFile), ".RVK", keep, error);
}

bool openKeptVersion(OpenClass& oc, const fs::path& version, const fs::path& classFolder, Prompter& prompter)
{
    ClassFileContent content;
    const ReadError error = readClassFile(version, content);
    if (error != ReadError::None) {
        prompter.error(readErrorText(error));
        return false;
    }
    oc.adoptUnsaved(std::move(content), classFolder);
    return true;
}

} // namespace ruvek
