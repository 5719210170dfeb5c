// Writes the game's music and sound samples into one folder:
//   composer OUTPUT_DIR
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "SongWriter.h"
#include "Songs.h"
#include "SoundEffects.h"
#include "WaveFile.h"

namespace {

void save(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace quindel::composer;
    if (argc != 2) {
        std::cerr << "usage: composer OUTPUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        save(dir / "pippirul.mod", SongWriter(firstLevels()).write());
        save(dir / "century.mod", SongWriter(secondLevels()).write());
        save(dir / "arkanoid.mod", SongWriter(thirdLevels()).write());
        save(dir / "beingboi.mod", SongWriter(titleTheme()).write());
        save(dir / "cockatoo.mod", SongWriter(clearJingle()).write());
        save(dir / "KPRLOTOM.wav", waveBytes(moveTick(), EffectRate));
        save(dir / "sorry.wav", waveBytes(whiteClear(), EffectRate));
        save(dir / "click.wav", waveBytes(blueClear(), EffectRate));
        save(dir / "laser.wav", waveBytes(greenClear(), EffectRate));
    } catch (const std::exception& error) {
        std::cerr << "composer: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
