#include "playback/GuestAudioLayer.h"

namespace quindel {

SampleHandle GuestAudioLayer::loadSample(const std::string& file)
{
    const auto known = samples.find(file);
    if (known != samples.end())
        return known->second;
    const SampleHandle loaded = host.loadSample(file);
    // A sample that did not load is asked for again next time: the host may
    // have opened its device since.
    if (loaded != SampleHandle::None)
        samples.emplace(file, loaded);
    return loaded;
}

}  // namespace quindel
