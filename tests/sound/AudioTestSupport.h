#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace quindel::test {

// The composed music folder of this build.
std::filesystem::path musicDir();

using TempDir = TempFolder;

// Points SDL's audio at a driver for the next SDL audio start.
void useAudioDriver(const std::string& driver, const std::filesystem::path& diskFile = {});

// Blocks until the disk driver's output file holds at least `bytes`, which
// it reaches as fast as the audio thread mixes. False after a generous time
// limit, so a stuck device fails the test instead of hanging it.
bool waitForOutput(const std::filesystem::path& file, std::uintmax_t bytes);

std::uintmax_t outputBytes(const std::filesystem::path& file);

// Signed 16-bit samples of a raw file from a byte offset on.
std::vector<std::int16_t> readPcm(const std::filesystem::path& file, std::uintmax_t fromByte = 0);

// The loudest root-mean-square level over windows of `window` samples.
double loudestWindowRms(const std::vector<std::int16_t>& pcm, std::size_t window);
double rms(const std::vector<std::int16_t>& pcm);

}  // namespace quindel::test
