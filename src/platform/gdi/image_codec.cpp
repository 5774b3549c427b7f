// The bitmap and icon decoders' failures turned into an empty result and its reason.
#include "platform/gdi/image_codec.h"

#include "platform/gdi/dib_decoder.h"

namespace {

template <typename Decode>
auto Decoded(Decode decode, std::span<const unsigned char> bytes, std::string* whyNot)
    -> std::optional<decltype(decode(bytes))> {
  try {
    return decode(bytes);
  } catch (const UnreadableImage& failure) {
    if (whyNot != nullptr) *whyNot = failure.what();
    return std::nullopt;
  }
}

}  // namespace

std::optional<Surface> DecodeBitmapImage(std::span<const unsigned char> bytes, std::string* whyNot) {
  return Decoded(DecodeBmpFile, bytes, whyNot);
}

std::optional<Icon> DecodeIconImage(std::span<const unsigned char> bytes, std::string* whyNot) {
  return Decoded(DecodeIcoFile, bytes, whyNot);
}
