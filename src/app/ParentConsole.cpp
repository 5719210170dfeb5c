#include "app/ParentConsole.h"

#include <cstdio>
#include <iostream>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace quindel {

namespace {

bool redirected(DWORD stream)
{
    const HANDLE handle = ::GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

void attachParentConsole()
{
    const bool input = redirected(STD_INPUT_HANDLE);
    const bool output = redirected(STD_OUTPUT_HANDLE);
    const bool errors = redirected(STD_ERROR_HANDLE);
    if ((input && output && errors) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // The C runtime set up its streams at start, when there was no console;
    // they are opened again on the one now attached.
    if (!input && std::freopen("CONIN$", "r", stdin) != nullptr)
        std::cin.clear();
    if (!output && std::freopen("CONOUT$", "w", stdout) != nullptr)
        std::cout.clear();
    if (!errors && std::freopen("CONOUT$", "w", stderr) != nullptr)
        std::cerr.clear();
}

}  // namespace quindel
