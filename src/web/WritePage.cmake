# Puts the page beside the linked game, with the sizes of the .wasm and the
# .data its progress bar counts to.
#   cmake -DSOURCE=<page folder> -DSITE=<site folder> -P WritePage.cmake
file(SIZE "${SITE}/quindel.wasm" QUINDEL_WASM_BYTES)
file(SIZE "${SITE}/quindel.data" QUINDEL_DATA_BYTES)
configure_file("${SOURCE}/index.html" "${SITE}/index.html" @ONLY)
configure_file("${SOURCE}/page.js" "${SITE}/page.js" COPYONLY)
