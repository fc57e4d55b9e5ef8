#include "audio/ImaAdpcmDecoder.h"

namespace tonvexa {

bool ImaAdpcmDecoder::IsDecodable(const ImaAdpcmFormat& format) {
    const unsigned c = format.record.channels;
    const unsigned blockAlign = format.record.blockAlign;
    if (c < 1 || c > 2) return false;
    const unsigned headerBytes = wav::kImaChannelHeaderSize * c;
    if (blockAlign <= headerBytes) return false;
    const unsigned codeBytes = blockAlign - headerBytes;
    if (codeBytes % (wav::kImaGroupBytes * c) != 0) return false;
    return format.samplesPerBlock == codeBytes * 2 / c + 1;
}

bool ImaAdpcmDecoder::SetFormat(const ImaAdpcmFormat& format) {
    format_.reset();
    if (!IsDecodable(format)) return false;
    format_ = format;
    return true;
}

bool ImaAdpcmDecoder::DecodeBlock(const std::uint8_t* block, std::int16_t* out) const {
    if (!format_) return false;
    const unsigned c = format_->record.channels;
    const unsigned blockAlign = format_->record.blockAlign;

    ImaChannelState state[2];
    for (unsigned ch = 0; ch < c; ++ch) {
        const std::uint8_t* header = block + wav::kImaChannelHeaderSize * ch;
        state[ch].sample = static_cast<std::int16_t>(header[0] | (header[1] << 8));
        state[ch].stepIndex = std::min<int>(header[2], adpcm::kImaMaxStepIndex);
        out[ch] = static_cast<std::int16_t>(state[ch].sample);
    }

    // Groups of 4 bytes alternate between the channels; each holds its channel's next 8
    // codes, low nibble first.
    const std::uint8_t* p = block + wav::kImaChannelHeaderSize * c;
    const std::uint8_t* end = block + blockAlign;
    std::int16_t* frameBase = out + c;  // frame 1
    while (p < end) {
        for (unsigned ch = 0; ch < c; ++ch) {
            ImaChannelState& s = state[ch];
            std::int16_t* o = frameBase + ch;
            for (unsigned k = 0; k < wav::kImaGroupBytes; ++k) {
                const unsigned byte = *p++;
                o[0] = ImaExpandNibble(s, byte & 15);
                o[c] = ImaExpandNibble(s, byte >> 4);
                o += 2 * c;
            }
        }
        frameBase += 8 * c;
    }
    return true;
}

}  // namespace tonvexa
