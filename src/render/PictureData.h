#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace quindel {

// One picture as it is linked into the executable: the bytes of a BMP file.
struct PictureData final {
    const unsigned char* bytes = nullptr;
    std::size_t size = 0;
};

// The linked pictures by resource name (IDB_..., IDC_GHOST); none for an unknown name.
// Defined by the generated table of library quindel_pictures.
std::optional<PictureData> findPicture(std::string_view name);
std::vector<std::string_view> pictureNames();

}  // namespace quindel
