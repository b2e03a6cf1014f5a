#pragma once
// What the fuzz bodies share: a scratch folder of this process for the files
// the readers open, a prompter that answers nothing, and a check that aborts.
#include "common/Prompter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>

namespace ruvek::fuzz {

// A folder of its own for this process, removed at exit.
const std::filesystem::path& scratchFolder();

// Writes the bytes as the whole content of folder/name and returns the path.
std::filesystem::path putFile(const std::filesystem::path& folder, const char* name,
                              std::span<const std::uint8_t> bytes);

// A fresh empty folder below the scratch folder (emptied when it exists).
std::filesystem::path freshFolder(const char* name);

// Counts messages and answers every question with no.
class SilentPrompter : public Prompter {
public:
    int messages = 0;
    bool askYesNo(const std::string&, MessageKind) override { return false; }
    bool askOkCancel(const std::string&, MessageKind) override { return false; }
    void tell(MessageKind, const std::string&) override { ++messages; }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override
    {
        return std::nullopt;
    }
};

// A broken property: say which and abort, so the fuzzer keeps the input.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char* what)
{
    if (!ok)
        fail(what);
}

} // namespace ruvek::fuzz
