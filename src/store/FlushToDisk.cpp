#include "store/FlushToDisk.h"

#include <unistd.h>

namespace quindel {

bool flushToDisk(int fd)
{
    // The data, not the times: the file's length and place never change.
    return ::fdatasync(fd) == 0;
}

}  // namespace quindel
