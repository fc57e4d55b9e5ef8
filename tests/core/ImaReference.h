#pragma once

// FFmpeg's adpcm_ima_wav decoder forms each difference by multiplication, which rounds
// differently from the bit-by-bit sum of the IMA reference algorithm that WAV encoders
// assume and this program decodes with. FFmpeg's decoders for other IMA packings (here the
// Ubisoft APM one, which takes its starting state from extradata and its codes high nibble
// first) use the bit-by-bit form, so they serve as the independent reference for the
// arithmetic, one channel of one block at a time.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mem.h>
}

namespace tonvexa::test {

struct CodecContextFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};

// Decodes the codes of one channel (one per element, in order) from the given starting
// sample and step index; returns the decoded samples (not including the starting one).
inline std::optional<std::vector<std::int16_t>> DecodeImaCodesWithFfmpeg(
    std::int16_t start, int stepIndex, const std::vector<std::uint8_t>& codes) {
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_ADPCM_IMA_APM);
    if (!codec) return std::nullopt;
    std::unique_ptr<AVCodecContext, CodecContextFree> ctx(avcodec_alloc_context3(codec));
    if (!ctx) return std::nullopt;
    av_channel_layout_default(&ctx->ch_layout, 1);
    ctx->sample_rate = 44100;
    constexpr int kExtradata = 28;
    ctx->extradata =
        static_cast<std::uint8_t*>(av_mallocz(kExtradata + AV_INPUT_BUFFER_PADDING_SIZE));
    ctx->extradata_size = kExtradata;
    auto put32 = [&](int offset, std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            ctx->extradata[offset + i] =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    };
    // The 28-byte APM extradata keeps channel 0's predictor and step index at 16 and 20.
    put32(16, start);
    put32(20, stepIndex);
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return std::nullopt;

    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    if (!packet || !frame) return std::nullopt;
    const std::size_t bytes = (codes.size() + 1) / 2;
    if (av_new_packet(packet.get(), static_cast<int>(bytes)) < 0) return std::nullopt;
    for (std::size_t i = 0; i < bytes; ++i) {
        const unsigned high = codes[2 * i];
        const unsigned low = 2 * i + 1 < codes.size() ? codes[2 * i + 1] : 0;
        packet->data[i] = static_cast<std::uint8_t>((high << 4) | low);
    }
    if (avcodec_send_packet(ctx.get(), packet.get()) < 0) return std::nullopt;
    std::vector<std::int16_t> out;
    while (avcodec_receive_frame(ctx.get(), frame.get()) == 0) {
        if (frame->format != AV_SAMPLE_FMT_S16) return std::nullopt;
        const auto* s = reinterpret_cast<const std::int16_t*>(frame->data[0]);
        out.insert(out.end(), s, s + frame->nb_samples);
    }
    out.resize(std::min(out.size(), codes.size()));
    return out;
}

}  // namespace tonvexa::test
