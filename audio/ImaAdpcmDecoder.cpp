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
    // codes, low nibble first. In stereo both channels are decoded side by side, so that
    // the processor can overlap their two chains of dependent steps.
    const unsigned groups =
        (blockAlign - wav::kImaChannelHeaderSize * c) / (wav::kImaGroupBytes * c);
    const std::uint8_t* p = block + wav::kImaChannelHeaderSize * c;
    std::int16_t* o = out + c;  // frame 1
    if (c == 2) {
        ImaChannelState left = state[0];
        ImaChannelState right = state[1];
        for (unsigned g = 0; g < groups; ++g, p += 2 * wav::kImaGroupBytes) {
            for (unsigned k = 0; k < wav::kImaGroupBytes; ++k, o += 4) {
                const unsigned l = p[k];
                const unsigned r = p[k + wav::kImaGroupBytes];
                o[0] = ImaExpandNibble(left, l & 15);
                o[1] = ImaExpandNibble(right, r & 15);
                o[2] = ImaExpandNibble(left, l >> 4);
                o[3] = ImaExpandNibble(right, r >> 4);
            }
        }
    } else {
        ImaChannelState mono = state[0];
        for (unsigned i = 0; i < groups * wav::kImaGroupBytes; ++i, o += 2) {
            const unsigned byte = p[i];
            o[0] = ImaExpandNibble(mono, byte & 15);
            o[1] = ImaExpandNibble(mono, byte >> 4);
        }
    }
    return true;
}

}  // namespace tonvexa
