// Encrypted containers (*.rvkx): the header is read, the key derived when
// the header carries the smallest limits (the seeds do; other limits would
// make every input cost a second, so those are opened with a fixed key,
// which exercises the same reader), the container opened and, when it is
// intact, its class read as File Open reads it. Whatever opens must seal
// and open again to the same files.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "transfer/ClassTransfer.h"
#include "transfer/Container.h"

namespace ruvek::fuzz {

int container(const std::uint8_t* data, std::size_t size)
{
    const ConstBytes input(data, size);
    const ContainerRead head = readContainerHeader(input);
    if (!head)
        return 0;
    const KeyDerivation fast = KeyDerivation::testMinimum();
    ContainerKey key{};
    if (head.header.kdf.opslimit == fast.opslimit && head.header.kdf.memlimit == fast.memlimit) {
        const std::optional<ContainerKey> derived = deriveContainerKey(head.header, kFuzzContainerPassword);
        check(derived.has_value(), "key derivation with the smallest limits");
        key = *derived;
    }
    const ContainerRead opened = openContainerWithKey(input, head.header, key);
    if (!opened) {
        check(opened.files.empty(), "files handed out from a refused container");
        return 0;
    }
    for (const ContainerFile& f : opened.files)
        check(isSafeContainerName(f.name), "unsafe name handed out");
    std::string error;
    (void)classOfContainer(opened, error);

    const SealOutcome again = sealContainer(opened.header.kind, opened.files, kFuzzContainerPassword, fast);
    check(static_cast<bool>(again), "sealing what was opened");
    const ContainerRead reopened = openContainer(again.bytes, kFuzzContainerPassword);
    check(static_cast<bool>(reopened) && reopened.files.size() == opened.files.size(), "reopening");
    for (std::size_t i = 0; i < opened.files.size(); ++i)
        check(reopened.files[i].name == opened.files[i].name && reopened.files[i].bytes == opened.files[i].bytes,
              "round trip of the files");
    return 0;
}

} // namespace ruvek::fuzz
