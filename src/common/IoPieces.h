#pragma once
// Scatter/gather input and output (readv/writev) may move fewer bytes than
// asked; the caller then goes on with the pieces that are left.
#include <sys/uio.h>

#include <cstddef>
#include <cstdint>

namespace ruvek {

// Steps `pieces` (`count` of them) past the first `done` bytes: whole pieces
// are dropped, a piece moved in part starts behind what was moved.
inline void skipMovedBytes(iovec*& pieces, std::size_t& count, std::size_t done)
{
    while (count > 0 && done >= pieces->iov_len) {
        done -= pieces->iov_len;
        ++pieces;
        --count;
    }
    if (count > 0) {
        pieces->iov_base = static_cast<std::uint8_t*>(pieces->iov_base) + done;
        pieces->iov_len -= done;
    }
}

} // namespace ruvek
