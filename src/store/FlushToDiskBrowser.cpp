#include "store/FlushToDisk.h"

#include <emscripten.h>

namespace quindel {

bool flushToDisk(int)
{
    // The browser's files live in the page's memory; what outlives the tab
    // is what the page copies into IndexedDB, which it starts now and
    // finishes in the background. A copy that fails is reported on the page.
    EM_ASM({
        if (Module['quindelPersist'])
            Module['quindelPersist']();
    });
    return true;
}

}  // namespace quindel
