#pragma once
// Whole messages out of a byte stream that arrives in pieces of any size, as a TCP
// connection delivers it. The decoder holds at most one frame's bytes; a length over
// the limit is refused as soon as its four bytes are in, before its body arrives. The
// first error stops it for good: the connection is then closed.
#include "net/messages.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo::net {

class StreamDecoder {
  public:
    void feed(std::span<const std::uint8_t> bytes);

    // The next whole message, or nothing while a frame is incomplete or after an error.
    std::optional<Message> next();
    // The next whole frame's body as it came, not decoded (a sealed one), with the same
    // length limit.
    std::optional<std::vector<std::uint8_t>> nextBody();

    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    // Bytes received but not yet taken as messages.
    std::size_t pending() const { return buffer_.size() - at_; }

  private:
    // The length of the frame at the front when its body is all in; nothing otherwise
    // (and the error set when the length is over the limit).
    std::optional<std::size_t> whole();

    std::vector<std::uint8_t> buffer_;
    std::size_t at_ = 0;
    std::string error_;
};

} // namespace tarmigo::net
