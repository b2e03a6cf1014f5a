// Class files: read (with version-1 conversion), key-number repair, annex
// decision for every school type, JSON, then write and read again. Writing
// what was read back must give the same bytes every time.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "classfile/ClassFile.h"
#include "classfile/ClassFileJson.h"
#include "classfile/StudentRecord.h"
#include "common/SafeFile.h"
#include "grades/Annex.h"

#include <sstream>

namespace ruvek::fuzz {

int classFile(const std::uint8_t* data, std::size_t size)
{
    const auto folder = freshFolder("classfile");
    const auto input = putFile(folder, "Klasse.RVK", {data, size});

    ClassFileContent content;
    if (readClassFile(input, content) != ReadError::None)
        return 0;
    check(!content.records.empty() && content.records.size() == content.header.Anzahl, "record count");

    makeKeyNumbersUnique(content.records);
    for (int type = 0; type < kSchoolTypeCount; ++type)
        for (const TZgnRec& r : content.records)
            (void)DetermineAnnex(r, schoolTypeFromStored(type));
    std::ostringstream json;
    writeClassJson(json, content.header, content.records);

    // Saved as the program saves: always version 2.
    TDateiKopf header = content.header;
    header.LeseVersion = header.Version;
    header.Version = 2;
    const auto first = folder / "Erste.RVK";
    check(writeClassFile(first, header, content.records), "first write");
    ClassFileContent again;
    check(readClassFile(first, again) == ReadError::None, "re-read of a written file");
    const auto second = folder / "Zweite.RVK";
    check(writeClassFile(second, again.header, again.records), "second write");

    std::vector<std::uint8_t> a, b;
    check(readWholeFile(first, a) && readWholeFile(second, b), "reading the written files");
    check(a == b, "write, read and write again is not byte-identical");
    return 0;
}

} // namespace ruvek::fuzz
