#include "store/FlushToDisk.h"

#include <io.h>

namespace quindel {

bool flushToDisk(int fd)
{
    // The C runtime's buffers and then the system's, to the disk.
    return ::_commit(fd) == 0;
}

}  // namespace quindel
