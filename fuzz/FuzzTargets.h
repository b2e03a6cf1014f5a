#pragma once
// The fuzz bodies: each takes outside bytes, feeds them to one reader the
// way the program does, and aborts when a property that must hold for every
// input is broken (a round trip that is not exact). libFuzzer calls them
// through fuzz_entry.cpp; the replay test (tests/fuzz) calls them for every
// file of the checked-in corpus under the normal test build.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ruvek::fuzz {

using Body = int (*)(const std::uint8_t* data, std::size_t size);

int classFile(const std::uint8_t* data, std::size_t size);  // *.RVK
int schulEinst(const std::uint8_t* data, std::size_t size); // SCHEINST.DAT
int progEinst(const std::uint8_t* data, std::size_t size);  // RVKEINST.DAT
int drkEinst(const std::uint8_t* data, std::size_t size);   // DRKEINST.DAT
int faecher(const std::uint8_t* data, std::size_t size);    // Faecher.DAT
int wpflFach(const std::uint8_t* data, std::size_t size);   // WPflFach.DAT
int formFile(const std::uint8_t* data, std::size_t size);   // *.FST
int importText(const std::uint8_t* data, std::size_t size); // student and grade import texts
int importCfg(const std::uint8_t* data, std::size_t size);  // IMPORT.CFG
int fdbList(const std::uint8_t* data, std::size_t size);    // *.FDB
int container(const std::uint8_t* data, std::size_t size);  // *.rvkx

// The password the container seeds are sealed with.
inline constexpr const char* kFuzzContainerPassword = "Fuzz-Kennwort-1";

struct Target {
    std::string_view name; // fuzz_<name> is the program, fuzz/corpus/<name> its seeds
    Body body;
};

inline constexpr Target kTargets[] = {
    {"classfile", classFile}, {"scheinst", schulEinst}, {"rvkeinst", progEinst}, {"drkeinst", drkEinst},
    {"faecher", faecher},     {"wpflfach", wpflFach},   {"formfile", formFile}, {"importtext", importText},
    {"importcfg", importCfg}, {"fdb", fdbList}, {"container", container},
};

} // namespace ruvek::fuzz
