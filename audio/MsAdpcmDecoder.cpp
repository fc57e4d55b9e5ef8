#include "audio/MsAdpcmDecoder.h"

#include "base/LittleEndian.h"

namespace tonvexa {

namespace {

std::int16_t ReadInt16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(ReadLe16(p));
}

}  // namespace

bool MsAdpcmDecoder::IsDecodable(const MsAdpcmFormat& format) {
    const unsigned c = format.record.channels;
    const unsigned blockAlign = format.record.blockAlign;
    if (c < 1 || c > 2 || format.coefficients.empty()) return false;
    const unsigned headerBytes = wav::kMsChannelHeaderSize * c;
    if (blockAlign < headerBytes) return false;
    return format.samplesPerBlock == (blockAlign - headerBytes) * 2 / c + 2;
}

bool MsAdpcmDecoder::SetFormat(const MsAdpcmFormat& format) {
    format_.reset();
    if (!IsDecodable(format)) return false;
    format_ = format;
    return true;
}

int MsAdpcmDecoder::DecodeBlock(const std::uint8_t* block, std::int16_t* out) const {
    if (!format_) return 0;
    const unsigned c = format_->record.channels;
    const unsigned samplesPerBlock = format_->samplesPerBlock;
    const auto& coefficients = format_->coefficients;

    // The header holds each field for all channels before the next field.
    MsChannelState state[2];
    const std::uint8_t* p = block;
    for (unsigned ch = 0; ch < c; ++ch) {
        const unsigned predictor = *p++;
        if (predictor >= coefficients.size()) return 0;
        state[ch].coefficient1 = coefficients[predictor].coefficient1;
        state[ch].coefficient2 = coefficients[predictor].coefficient2;
    }
    for (unsigned ch = 0; ch < c; ++ch, p += 2) state[ch].delta = ReadLe16(p);
    for (unsigned ch = 0; ch < c; ++ch, p += 2) state[ch].sample1 = ReadInt16(p);
    for (unsigned ch = 0; ch < c; ++ch, p += 2) state[ch].sample2 = ReadInt16(p);

    std::int16_t* o = out;
    for (unsigned ch = 0; ch < c; ++ch) *o++ = state[ch].sample2;
    for (unsigned ch = 0; ch < c; ++ch) *o++ = state[ch].sample1;

    // Two codes per byte, high nibble first; in stereo the high nibble is the left channel's.
    const unsigned codes = c * (samplesPerBlock - 2);
    if (c == 2) {
        for (unsigned i = 0; i < codes; i += 2) {
            const unsigned byte = *p++;
            *o++ = MsExpandNibble(state[0], byte >> 4);
            *o++ = MsExpandNibble(state[1], byte & 15);
        }
    } else {
        for (unsigned i = 0; i + 1 < codes; i += 2) {
            const unsigned byte = *p++;
            *o++ = MsExpandNibble(state[0], byte >> 4);
            *o++ = MsExpandNibble(state[0], byte & 15);
        }
        if (codes % 2) *o++ = MsExpandNibble(state[0], *p >> 4);
    }
    return static_cast<int>(c * samplesPerBlock * 2);
}

}  // namespace tonvexa
