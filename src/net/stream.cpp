#include "net/stream.h"

namespace tarmigo::net {

void StreamDecoder::feed(std::span<const std::uint8_t> bytes) {
    if (failed()) return;
    // Drop what was taken before the buffer grows.
    if (at_ > 0) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + long(at_));
        at_ = 0;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

std::optional<std::size_t> StreamDecoder::whole() {
    if (failed() || pending() < LengthBytes) return std::nullopt;
    std::size_t length = 0;
    for (std::size_t i = 0; i < LengthBytes; ++i)
        length |= std::size_t(buffer_[at_ + i]) << (8 * i);
    if (length > MaxBody) {
        error_ = "a frame of " + std::to_string(length) + " bytes is over the limit of " +
                 std::to_string(MaxBody);
        return std::nullopt;
    }
    if (pending() - LengthBytes < length) return std::nullopt;
    return length;
}

std::optional<std::vector<std::uint8_t>> StreamDecoder::nextBody() {
    const std::optional<std::size_t> length = whole();
    if (!length) return std::nullopt;
    const auto from = buffer_.begin() + long(at_ + LengthBytes);
    std::vector<std::uint8_t> body(from, from + long(*length));
    at_ += LengthBytes + *length;
    return body;
}

std::optional<Message> StreamDecoder::next() {
    const std::optional<std::size_t> length = whole();
    if (!length) return std::nullopt;
    Decoded d =
        decodeBody(std::span<const std::uint8_t>(buffer_).subspan(at_ + LengthBytes, *length));
    at_ += LengthBytes + *length;
    if (!d.ok()) {
        error_ = std::move(d.error);
        return std::nullopt;
    }
    return std::move(d.message);
}

} // namespace tarmigo::net
