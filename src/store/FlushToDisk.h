#pragma once

namespace quindel {

// The last step of saving a data file, while it is still open: what was just
// written must outlive the game. On the desktop that is the disk, so it
// survives a power cut; in the browser it is the browser's own storage, so it
// survives a closed tab. False when it could not be done.
bool flushToDisk(int fd);

}  // namespace quindel
