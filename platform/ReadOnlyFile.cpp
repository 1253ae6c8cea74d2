#include "ReadOnlyFile.h"

namespace kaj::platform {

bool ReadOnlyFile::readAt(std::uint64_t position, void* destination, std::size_t n) const {
    if (position > size_ || n > size_ - position) {
        return false;
    }
    auto* out = static_cast<char*>(destination);
    for (std::size_t done = 0; done < n;) {
        const std::size_t got = readSomeAt(position + done, out + done, n - done);
        if (got == 0) {
            return false;  // the file shrank, or the read failed
        }
        done += got;
    }
    return true;
}

}  // namespace kaj::platform
