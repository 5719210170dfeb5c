// Draws every picture of the game and writes them as bitmaps, together with
// the C++ source that links them into the executable as a name -> bytes table.
//
//   quindel_artgen OUTPUT_DIR GENERATED_SOURCE [--bytes]
//
// The table takes the files in with the assembler's .incbin, or with --bytes
// as plain byte arrays, for targets whose assembler has no .incbin (wasm).

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "Artwork.h"
#include "BmpWriter.h"
#include "PaletteQuantiser.h"
#include "VersusArtwork.h"

using namespace quindel::artgen;

namespace {

PaletteEntry entry(Rgb c)
{
    return PaletteEntry{static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g), static_cast<std::uint8_t>(c.b)};
}

bool writePalette(const std::string& path, const Image& image, int colours)
{
    // The box fills stay exact so sprites sit on the background seamlessly.
    const std::vector<PaletteEntry> fixed{entry(Artwork::BottleFill), entry(Artwork::LevelFill),
                                          entry(Artwork::TextFill), entry(Artwork::GlyphColor), entry(Artwork::Ink)};
    const PaletteQuantiser::Result r = PaletteQuantiser::quantise(image, colours, fixed);
    std::vector<PaletteEntry> palette = r.palette;
    palette.resize(static_cast<std::size_t>(colours));  // biClrUsed always states the full count
    return BmpWriter::write8(path, image.width(), image.height(), palette, r.indices);
}

// The file's bytes as an array, for assemblers without .incbin.
bool writeByteArray(std::ofstream& src, const std::string& sym, const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    const std::vector<unsigned char> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (data.empty())
        return false;
    src << "alignas(4) const unsigned char " << sym << "[" << data.size() << "] = {";
    for (std::size_t i = 0; i < data.size(); ++i)
        src << (i % 24 == 0 ? "\n" : "") << static_cast<unsigned>(data[i]) << ',';
    src << "\n};\n";
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool bytes = argc == 4 && std::string(argv[3]) == "--bytes";
    if (argc != 3 && !bytes) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR GENERATED_SOURCE [--bytes]\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::vector<std::string> names;
    bool ok = true;
    auto plain = [&](const std::string& name, const Image& image) {
        ok = BmpWriter::write24(dir + "/" + name + ".bmp", image) && ok;
        names.push_back(name);
    };
    auto paletted = [&](const std::string& name, const Image& image, int colours) {
        ok = writePalette(dir + "/" + name + ".bmp", image, colours) && ok;
        names.push_back(name);
    };

    paletted("IDB_BACKGROUND", Artwork::background(), 256);
    paletted("IDB_TITLESCREEN", Artwork::titleScreen(), 128);
    paletted("IDB_PAUSE", Artwork::pauseSign(), 256);
    paletted("IDB_LEVELCLEAR", Artwork::levelClearSign(), 256);
    plain("IDB_GAMEOVER", Artwork::gameOverSign());
    plain("IDB_DEMO", Artwork::demoMark());
    for (int n = 1; n <= 20; ++n)
        plain("IDB_LEVEL" + std::to_string(n), Artwork::levelPicture(n));
    plain("IDB_EMPTY", Artwork::emptySquare());
    plain("IDB_CHARS", Artwork::charStrip());
    plain("IDB_NUMBERS", Artwork::numberStrip());
    const char* colourWords[] = {"WHITE", "BLUE", "GREEN"};
    for (int c = 0; c < 3; ++c)
        for (int phase = 0; phase < 4; ++phase)
            plain(std::string("IDB_VIRUS_") + colourWords[c] + std::to_string(phase), Artwork::virus(c, phase));
    for (int c = 0; c < 3; ++c) {
        for (int shape = 0; shape < 5; ++shape) {
            for (int phase = 1; phase <= 4; ++phase) {
                plain(std::string("IDB_PILL_") + colourWords[c] + std::to_string(shape) + "_" + std::to_string(phase),
                      Artwork::pillHalf(c, shape, phase));
            }
        }
    }
    // The versus screen.
    paletted("IDB_VS_BACKGROUND", VersusArtwork::background(), 256);
    const char* plates[] = {"IDB_VS_PLAYER1", "IDB_VS_PLAYER2", "IDB_VS_COMPUTER"};
    for (int who = 0; who < 3; ++who)
        plain(plates[who], VersusArtwork::namePlate(who));
    plain("IDB_VS_WIN", VersusArtwork::winMark(true));
    plain("IDB_VS_NOWIN", VersusArtwork::winMark(false));
    paletted("IDB_VS_ROUNDWON", VersusArtwork::roundWonSign(), 256);
    paletted("IDB_VS_ROUNDLOST", VersusArtwork::roundLostSign(), 256);
    paletted("IDB_VS_DRAW", VersusArtwork::drawnSign(), 256);
    paletted("IDB_VS_MATCHWON", VersusArtwork::matchWonSign(), 256);
    paletted("IDB_VS_MATCHLOST", VersusArtwork::matchLostSign(), 256);
    paletted("IDB_VS_PAUSE", VersusArtwork::pauseSign(), 256);
    ok = BmpWriter::write32(dir + "/IDC_GHOST.bmp", Artwork::icon(32)) && ok;
    names.push_back("IDC_GHOST");
    // Larger renderings of the icon for the desktop's icon themes.
    for (int size : {16, 24, 48, 64, 128, 256})
        ok = BmpWriter::write32(dir + "/IDC_GHOST_" + std::to_string(size) + ".bmp", Artwork::icon(size)) && ok;

    std::ofstream src(argv[2], std::ios::trunc);
    src << "// Generated by quindel_artgen: the pictures, linked in as they are.\n"
           "#include <algorithm>\n#include <array>\n#include <iterator>\n\n#include \"render/PictureData.h\"\n\n";
    if (bytes) {
        src << "namespace {\n";
        for (std::size_t i = 0; i < names.size(); ++i)
            ok = writeByteArray(src, "quindel_picture_" + std::to_string(i), dir + "/" + names[i] + ".bmp") && ok;
    } else {
        // ELF keeps the bytes in .rodata with hidden symbols; PE (Windows)
        // knows neither .pushsection nor .hidden and keeps read-only data in
        // .rdata.
        src << "#if defined(_WIN32)\n"
               "#define QUINDEL_DATA_SECTION \".section .rdata,\\\"dr\\\"\\n\"\n"
               "#define QUINDEL_HIDDEN(sym) \"\"\n"
               "#define QUINDEL_END_SECTION \".text\\n\"\n"
               "#else\n"
               "#define QUINDEL_DATA_SECTION \".pushsection .rodata\\n\"\n"
               "#define QUINDEL_HIDDEN(sym) \".hidden \" sym \"\\n\"\n"
               "#define QUINDEL_END_SECTION \".popsection\\n\"\n"
               "#endif\n\n";
        src << "__asm__(QUINDEL_DATA_SECTION\n";
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string sym = "quindel_picture_" + std::to_string(i);
            src << "        \".balign 4\\n.globl " << sym << "\\n\" QUINDEL_HIDDEN(\"" << sym << "\") \"" << sym
                << ":\\n\"\n"
                << "        \".incbin \\\"" << dir << "/" << names[i] << ".bmp\\\"\\n\"\n"
                << "        \".globl " << sym << "_end\\n\" QUINDEL_HIDDEN(\"" << sym << "_end\") \"" << sym
                << "_end:\\n\"\n";
        }
        src << "        QUINDEL_END_SECTION);\n\n";
        src << "extern \"C\" {\n";
        for (std::size_t i = 0; i < names.size(); ++i) {
            src << "extern const unsigned char quindel_picture_" << i << "[];\n"
                << "extern const unsigned char quindel_picture_" << i << "_end[];\n";
        }
    }
    src << "}\n\nnamespace quindel {\n\nnamespace {\n\nstruct Entry {\n    std::string_view name;\n"
           "    const unsigned char* begin;\n    const unsigned char* end;\n};\n\n";
    src << "const std::array<Entry, " << names.size() << "> entries{{\n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string sym = "quindel_picture_" + std::to_string(i);
        src << "    {\"" << names[i] << "\", " << sym << ", " << (bytes ? "std::end(" + sym + ")" : sym + "_end")
            << "},\n";
    }
    src << "}};\n\n}  // namespace\n\n"
           "std::optional<PictureData> findPicture(std::string_view name)\n{\n"
           "    const auto it = std::find_if(entries.begin(), entries.end(),\n"
           "                                 [name](const Entry& e) { return e.name == name; });\n"
           "    if (it == entries.end()) {\n        return std::nullopt;\n    }\n"
           "    return PictureData{it->begin, static_cast<std::size_t>(it->end - it->begin)};\n}\n\n"
           "std::vector<std::string_view> pictureNames()\n{\n    std::vector<std::string_view> all;\n"
           "    for (const Entry& e : entries) {\n        all.push_back(e.name);\n    }\n    return all;\n}\n\n"
           "}  // namespace quindel\n";
    ok = static_cast<bool>(src) && ok;
    if (!ok) {
        std::fprintf(stderr, "quindel_artgen: could not write every picture\n");
        return 1;
    }
    return 0;
}
