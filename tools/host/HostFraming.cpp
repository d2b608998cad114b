#include "HostFraming.h"

#include <cstring>

namespace tandrel::host {

namespace {

// Reads up to count bytes; the number read.
std::size_t ReadBytes(std::istream& in, char* into, std::size_t count) {
    in.read(into, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount());
}

} // namespace

FrameRead ReadFrame(std::istream& in) {
    FrameRead frame;
    char lengthBytes[4];
    std::size_t got = ReadBytes(in, lengthBytes, sizeof lengthBytes);
    if (got == 0)
        return frame;
    frame.kind = FrameRead::Kind::kBroken;
    if (got < sizeof lengthBytes) {
        frame.refusal = {"malformed", "the input ended inside a message's length"};
        return frame;
    }
    std::uint32_t length = 0;
    std::memcpy(&length, lengthBytes, sizeof length);
    if (length > kMaxMessageBytes) {
        frame.refusal = {"oversized", "a message may hold at most " +
                                          std::to_string(kMaxMessageBytes) + " bytes, not " +
                                          std::to_string(length)};
        return frame;
    }
    frame.body.resize(length);
    if (ReadBytes(in, frame.body.data(), length) < length) {
        frame.body.clear();
        frame.refusal = {"malformed", "the input ended inside a message of " +
                                          std::to_string(length) + " bytes"};
        return frame;
    }
    frame.kind = FrameRead::Kind::kMessage;
    return frame;
}

std::string FrameOf(std::string_view text) {
    std::uint32_t length = static_cast<std::uint32_t>(text.size());
    std::string frame(sizeof length, '\0');
    std::memcpy(frame.data(), &length, sizeof length);
    frame += text;
    return frame;
}

} // namespace tandrel::host
