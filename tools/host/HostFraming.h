// The frames of native messaging: each message, either way, is its length in bytes as a 32-bit
// number in the machine's own byte order, then that many bytes of UTF-8 JSON text.
#pragma once

#include "web/WebJson.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace tandrel::host {

/// The longest message the host reads. The browser sends up to 64 MiB; the host's messages (an
/// entry's keys and the page) are a few kilobytes, so a megabyte leaves room for a long selection
/// and stops a runaway sender early.
constexpr std::uint32_t kMaxMessageBytes = 1024 * 1024;
/// The longest answer the browser takes from a host.
constexpr std::uint32_t kMaxAnswerBytes = 1024 * 1024;

/// One frame read from the input.
struct FrameRead {
    enum class Kind {
        kMessage, ///< a whole message: body
        kEnd,     ///< the input ended between messages
        kBroken,  ///< the input ended inside a frame, or its length is refused: refusal
    };
    Kind kind = Kind::kEnd;
    std::string body;
    web::RequestError refusal;
};

/// Reads the next frame. A length above kMaxMessageBytes is refused ("oversized") without
/// reading the message; an input that ends inside the length or the message is "malformed".
/// After kBroken the input cannot be read on: nothing says where a next frame would start.
FrameRead ReadFrame(std::istream& in);

/// The text as a frame: its length in the machine's byte order, then the text.
std::string FrameOf(std::string_view text);

} // namespace tandrel::host
