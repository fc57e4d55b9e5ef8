#include "wm/FfmpegProfileManager.h"

#include <cstring>

#include "wm/FfmpegOwners.h"
#include "wm/WmText.h"

namespace tonvexa {

namespace {

// Sample rates with the bit rates (kbit/s) usual for them, mono and stereo.
struct RateRow {
    std::uint32_t sampleRate;
    std::vector<std::uint32_t> mono;
    std::vector<std::uint32_t> stereo;
};

const std::vector<RateRow>& RateTable() {
    static const std::vector<RateRow> rows = {
        {8000, {24, 32}, {24, 32}},
        {11025, {24, 32}, {24, 32}},
        {16000, {24, 32, 48}, {24, 32, 48, 64}},
        {22050, {24, 32, 48}, {32, 48, 64, 80}},
        {32000, {32, 48, 64}, {32, 48, 64, 80, 96}},
        {44100, {32, 48, 64, 96}, {48, 64, 80, 96, 128, 160, 192, 256, 320}},
        {48000, {48, 64, 96}, {64, 96, 128, 160, 192, 256, 320}},
    };
    return rows;
}

// Opens the encoder with the format; fills the media type when it opens.
MediaTypeBlock OpenWithFormat(const WmaCandidateFormat& f) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!codec) return {};
    ffmpeg::CodecContext ctx(avcodec_alloc_context3(codec));
    if (!ctx) return {};
    ctx->sample_rate = static_cast<int>(f.sampleRate);
    av_channel_layout_default(&ctx->ch_layout, f.channels);
    ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    ctx->bit_rate = f.bitRate;
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return {};

    const auto extra =
        static_cast<std::uint32_t>(ctx->extradata_size > 0 ? ctx->extradata_size : 0);
    MediaTypeBlock block = AllocateMediaTypeBlock(static_cast<std::uint32_t>(kMediaTypeHeaderSize) +
                                                  kWaveFormatExSize + extra);
    if (!block) return {};
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_WMAUDIO2;
    format.nChannels = f.channels;
    format.nSamplesPerSec = f.sampleRate;
    format.nAvgBytesPerSec = f.bitRate / 8;
    format.nBlockAlign = static_cast<std::uint16_t>(ctx->block_align);
    format.wBitsPerSample = 16;
    format.cbSize = static_cast<std::uint16_t>(extra);
    block->majortype = WMMEDIATYPE_Audio;
    block->subtype = WMMEDIASUBTYPE_WMAudioV8;
    block->bFixedSizeSamples = true;
    block->bTemporalCompression = false;
    block->lSampleSize = format.nBlockAlign;
    block->formattype = WMFORMAT_WaveFormatEx;
    std::memcpy(block->pbFormat, &format, kWaveFormatExSize);
    if (extra) std::memcpy(block->pbFormat + kWaveFormatExSize, ctx->extradata, extra);
    return block;
}

}  // namespace

const std::vector<WmaCandidateFormat>& WmaCandidateFormats() {
    static const std::vector<WmaCandidateFormat> all = [] {
        std::vector<WmaCandidateFormat> list;
        for (const auto& row : RateTable()) {
            for (auto kbps : row.mono) list.push_back({row.sampleRate, 1, kbps * 1000});
            for (auto kbps : row.stereo) list.push_back({row.sampleRate, 2, kbps * 1000});
        }
        return list;
    }();
    return all;
}

std::u16string WmaFormatDescription(const WmaCandidateFormat& f) {
    const std::string text = std::to_string(f.bitRate / 1000) + " kbps, " +
                             std::to_string(f.sampleRate / 1000) + " kHz, " +
                             (f.channels == 1 ? "mono" : "stereo") + " CBR";
    return Utf8ToUtf16(text);
}

FfmpegProfileManager::FfmpegProfileManager() = default;

void FfmpegProfileManager::FindOfferedFormats() {
    if (probed_) return;
    probed_ = true;
    for (const auto& f : WmaCandidateFormats()) {
        MediaTypeBlock type = OpenWithFormat(f);
        if (type) offered_.push_back({f, std::move(type)});
    }
}

WmResult FfmpegProfileManager::GetCodecInfoCount(const WmGuid& majorType, std::uint32_t* count) {
    if (!count) return WM_E_INVALIDARG;
    // One audio codec, Windows Media Audio as FFmpeg's wmav2 encoder writes it.
    *count = majorType == WMMEDIATYPE_Audio ? 1 : 0;
    return WM_S_OK;
}

WmResult FfmpegProfileManager::GetCodecFormatCount(const WmGuid& majorType, std::uint32_t codec,
                                                   std::uint32_t* count) {
    if (!count || !(majorType == WMMEDIATYPE_Audio) || codec != 0) return WM_E_INVALIDARG;
    FindOfferedFormats();
    *count = static_cast<std::uint32_t>(offered_.size());
    return WM_S_OK;
}

WmResult FfmpegProfileManager::GetCodecFormatDesc(const WmGuid& majorType, std::uint32_t codec,
                                                  std::uint32_t format, WmStreamConfigPtr* config,
                                                  char16_t* description,
                                                  std::uint32_t* descriptionLength) {
    if (!(majorType == WMMEDIATYPE_Audio) || codec != 0) return WM_E_INVALIDARG;
    FindOfferedFormats();
    if (format >= offered_.size()) return WM_E_INVALIDARG;
    const Offered& o = offered_[format];
    if (descriptionLength) {
        const std::u16string text = WmaFormatDescription(o.format);
        const auto needed = static_cast<std::uint32_t>(text.size() + 1);
        if (description) {
            if (*descriptionLength < needed) {
                *descriptionLength = needed;
                return WM_E_INVALIDARG;
            }
            std::memcpy(description, text.c_str(), needed * sizeof(char16_t));
        }
        *descriptionLength = needed;
    }
    if (config) {
        auto c = std::make_unique<WmBasicStreamConfig>(WMMEDIATYPE_Audio);
        if (WmFailed(c->SetMediaType(*o.mediaType)) || WmFailed(c->SetBitrate(o.format.bitRate)))
            return WM_E_OUTOFMEMORY;
        *config = std::move(c);
    }
    return WM_S_OK;
}

WmResult FfmpegProfileManager::CreateEmptyProfile(WMT_VERSION version, WmProfilePtr* profile) {
    if (!profile) return WM_E_INVALIDARG;
    *profile = std::make_unique<WmBasicProfile>(version);
    return WM_S_OK;
}

}  // namespace tonvexa
