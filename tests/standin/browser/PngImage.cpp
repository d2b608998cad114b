#include "PngImage.h"

#include <algorithm>
#include <array>

namespace tandrel::standin {

namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::string typed = std::string(type, 4) + data;
    out += typed;
    PutBigEndian(out, Crc32(reinterpret_cast<const std::uint8_t*>(typed.data()), typed.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string StoredZlib(const std::string& raw) {
    std::string out = "\x78\x01";
    constexpr std::size_t kBlock = 65535;
    std::size_t at = 0;
    do {
        std::size_t size = std::min(kBlock, raw.size() - at);
        bool last = at + size == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(size & 0xFF);
        out += static_cast<char>(size >> 8);
        out += static_cast<char>(~size & 0xFF);
        out += static_cast<char>((~size >> 8) & 0xFF);
        out.append(raw, at, size);
        at += size;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()));
    return out;
}

} // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> kTable = [] {
        std::array<std::uint32_t, 256> table{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t a = 1, b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::string EncodePng(const RgbImage& image) {
    std::string png = "\x89PNG\r\n\x1A\n";
    std::string header;
    PutBigEndian(header, image.width);
    PutBigEndian(header, image.height);
    header +=
        std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    std::string raw;
    std::size_t row = static_cast<std::size_t>(image.width) * 3;
    raw.reserve((row + 1) * image.height);
    for (std::uint32_t y = 0; y < image.height; ++y) {
        raw += '\0'; // filter: none
        raw.append(reinterpret_cast<const char*>(image.pixels.data()) + y * row, row);
    }
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", "");
    return png;
}

std::optional<RgbImage> CaptureWindow(HWND window) {
    RECT frame = {};
    if (!GetWindowRect(window, &frame) || frame.right <= frame.left || frame.bottom <= frame.top)
        return std::nullopt;
    RgbImage image;
    image.width = static_cast<std::uint32_t>(frame.right - frame.left);
    image.height = static_cast<std::uint32_t>(frame.bottom - frame.top);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(image.width);
    info.bmiHeader.biHeight = -static_cast<LONG>(image.height); // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap && bits) {
        HGDIOBJ before = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, static_cast<int>(image.width), static_cast<int>(image.height),
                        source, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, before);
    }
    if (copied) {
        const auto* bgrx = static_cast<const std::uint8_t*>(bits);
        std::size_t count = static_cast<std::size_t>(image.width) * image.height;
        image.pixels.resize(count * 3);
        for (std::size_t i = 0; i < count; ++i) {
            image.pixels[i * 3] = bgrx[i * 4 + 2];
            image.pixels[i * 3 + 1] = bgrx[i * 4 + 1];
            image.pixels[i * 3 + 2] = bgrx[i * 4];
        }
    }
    if (bitmap)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    if (!copied)
        return std::nullopt;
    return image;
}

std::u16string ScreenshotName(int order, const std::u16string& caption, int answer) {
    std::u16string name;
    for (char16_t c : caption) {
        if (c >= 0x20 && std::u16string_view(u"<>:\"/\\|?*").find(c) == std::u16string_view::npos)
            name += c;
    }
    // Windows drops dots and blanks at the end of a file name.
    while (!name.empty() && (name.back() == u'.' || name.back() == u' '))
        name.pop_back();
    std::u16string number = order < 10 ? u"0" : u"";
    for (char c : std::to_string(order))
        number += static_cast<char16_t>(c);
    std::u16string after;
    if (answer > 0)
        for (char c : "-answer" + std::to_string(answer))
            after += static_cast<char16_t>(c);
    return number + u"-" + name + after + u".png";
}

bool WriteWholeFile(const std::u16string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_WRITE, 0,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    return CloseHandle(file) && ok;
}

} // namespace tandrel::standin
