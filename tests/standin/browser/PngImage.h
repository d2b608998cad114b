// Pictures of windows as PNG files: a minimal encoder (8-bit RGB, stored deflate blocks, no
// compression, which every reader accepts) and a capture of a window as it is drawn.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tandrel::standin {

/// Rows of 8-bit red, green, blue pixels, top to bottom.
struct RgbImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels; ///< width * height * 3 bytes
};

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

/// The image as the bytes of a PNG file.
std::string EncodePng(const RgbImage& image);

/// The window with its frame, read from what it has drawn; none when it cannot be read.
std::optional<RgbImage> CaptureWindow(HWND window);

/// A file name for the `order`th window (1-based) with this caption, "01-Caption.png", without
/// the characters file names may not hold; with answer > 0, "01-Caption-answerN.png".
std::u16string ScreenshotName(int order, const std::u16string& caption, int answer = 0);

/// Writes the bytes to a new file (replacing one of the same name); false when it cannot.
bool WriteWholeFile(const std::u16string& path, const std::string& bytes);

} // namespace tandrel::standin
