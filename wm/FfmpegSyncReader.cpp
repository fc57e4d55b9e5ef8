#include "wm/FfmpegSyncReader.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "wm/WmAttributeNames.h"
#include "wm/WmText.h"

namespace tonvexa {

namespace {

constexpr std::uint64_t kUnitsPerSecond = 10'000'000;
// While opening, the decoder must produce audio within this many packets of the stream.
constexpr int kMaxPacketsBeforeFirstFrame = 256;
// Damage in the middle of a stream is skipped; this many bad packets in a row end it.
constexpr int kMaxConsecutiveErrors = 64;

bool IsAsf(const AVInputFormat* format) {
    return format &&
           (std::strcmp(format->name, "asf") == 0 || std::strcmp(format->name, "asf_o") == 0);
}

WmResult PutValue(WMT_ATTR_DATATYPE valueType, const std::uint8_t* bytes, std::size_t size,
                  WMT_ATTR_DATATYPE* type, std::uint8_t* value, std::uint16_t* length) {
    if (size > std::numeric_limits<std::uint16_t>::max()) return WM_E_FAIL;
    if (type) *type = valueType;
    if (!value) {
        *length = static_cast<std::uint16_t>(size);
        return WM_S_OK;
    }
    if (*length < size) {
        *length = static_cast<std::uint16_t>(size);
        return WM_E_INVALIDARG;
    }
    std::memcpy(value, bytes, size);
    *length = static_cast<std::uint16_t>(size);
    return WM_S_OK;
}

}  // namespace

FfmpegSyncReader::FfmpegSyncReader() : pool_(WmSampleBufferPool::Create()) {}

FfmpegSyncReader::~FfmpegSyncReader() {
    av_channel_layout_uninit(&resamplerLayout_);
}

WmResult FfmpegSyncReader::Close() {
    Reset();
    return WM_S_OK;
}

void FfmpegSyncReader::Reset() {
    resampler_.reset();
    frame_.reset();
    packet_.reset();
    decoder_.reset();
    input_.reset();
    av_channel_layout_uninit(&resamplerLayout_);
    resamplerFormat_ = -1;
    resamplerRate_ = 0;
    audioIndex_ = -1;
    frameReady_ = draining_ = ended_ = readFailed_ = false;
    framesOut_ = 0;
}

WmResult FfmpegSyncReader::Open(const std::string& path) {
    Reset();
    AVFormatContext* raw = nullptr;
    // A path with a colon may read as a protocol ("cd:track.wma"); the file protocol takes
    // every name as it is.
    const std::string url = "file:" + path;
    if (avformat_open_input(&raw, url.c_str(), nullptr, nullptr) < 0)
        return NS_E_INVALID_INPUT_FORMAT;
    input_.reset(raw);
    if (!IsAsf(input_->iformat) || avformat_find_stream_info(input_.get(), nullptr) < 0) {
        Reset();
        return NS_E_INVALID_INPUT_FORMAT;
    }
    for (unsigned i = 0; i < input_->nb_streams; ++i) {
        const AVStream* st = input_->streams[i];
        if (st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO &&
            !(st->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            audioIndex_ = static_cast<int>(i);
            break;
        }
    }
    for (unsigned i = 0; i < input_->nb_streams; ++i)
        if (static_cast<int>(i) != audioIndex_) input_->streams[i]->discard = AVDISCARD_ALL;
    if (audioIndex_ < 0) return WM_S_OK;  // the caller finds no audio stream

    // A stream that cannot be decoded (an unknown codec, protected content) fails here,
    // before anything of it is handed out.
    const AVCodecParameters* par = input_->streams[audioIndex_]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    decoder_.reset(codec ? avcodec_alloc_context3(codec) : nullptr);
    packet_.reset(av_packet_alloc());
    frame_.reset(av_frame_alloc());
    if (!decoder_ || !packet_ || !frame_ ||
        avcodec_parameters_to_context(decoder_.get(), par) < 0 ||
        avcodec_open2(decoder_.get(), codec, nullptr) < 0 || decoder_->sample_rate <= 0 ||
        decoder_->ch_layout.nb_channels <= 0) {
        Reset();
        return NS_E_DRM_UNSUPPORTED;
    }
    const Decoded first = DecodeNextFrame(true);
    if (first == Decoded::ReadFailed) {
        Reset();
        return NS_E_FILE_READ;
    }
    if (first == Decoded::Error) {
        Reset();
        return NS_E_DRM_UNSUPPORTED;
    }
    frameReady_ = first == Decoded::Frame;
    ended_ = first == Decoded::End;
    return WM_S_OK;
}

FfmpegSyncReader::Decoded FfmpegSyncReader::DecodeNextFrame(bool opening) {
    int packets = 0;
    int errors = 0;
    int failedPackets = 0;
    for (;;) {
        int r = avcodec_receive_frame(decoder_.get(), frame_.get());
        if (r == 0) {
            if (frame_->nb_samples > 0) return Decoded::Frame;
            av_frame_unref(frame_.get());
            continue;
        }
        if (r != AVERROR(EAGAIN) && r != AVERROR_EOF) {
            ++failedPackets;
            if (++errors > kMaxConsecutiveErrors) return opening ? Decoded::Error : Decoded::End;
        }
        if (r == AVERROR_EOF || (draining_ && r != AVERROR(EAGAIN)))
            return opening && failedPackets > 0 ? Decoded::Error : Decoded::End;
        if (draining_) return Decoded::End;
        r = av_read_frame(input_.get(), packet_.get());
        if (r < 0) {
            // The end of the file ends the stream; a read that failed does not: the file
            // holds more than arrived. The demuxer reports some failed reads as the end
            // of the file, but the I/O context keeps their error.
            if (r != AVERROR_EOF || (input_->pb && input_->pb->error < 0))
                return Decoded::ReadFailed;
            draining_ = true;
            avcodec_send_packet(decoder_.get(), nullptr);
            continue;
        }
        if (packet_->stream_index != audioIndex_) {
            av_packet_unref(packet_.get());
            continue;
        }
        r = avcodec_send_packet(decoder_.get(), packet_.get());
        av_packet_unref(packet_.get());
        if (r < 0 && r != AVERROR(EAGAIN)) {
            // A damaged packet is skipped, as players do; only a stream that yields nothing
            // but errors is refused.
            ++failedPackets;
            if (++errors > kMaxConsecutiveErrors) return opening ? Decoded::Error : Decoded::End;
        } else {
            errors = 0;
        }
        if (opening && ++packets > kMaxPacketsBeforeFirstFrame) return Decoded::Error;
    }
}

int FfmpegSyncReader::OutputChannels() const {
    return decoder_ ? std::min(2, decoder_->ch_layout.nb_channels) : 0;
}

WmResult FfmpegSyncReader::ConvertFrame(WmSampleBufferPtr* sample) {
    AVFrame* f = frame_.get();
    const int outChannels = OutputChannels();
    const int rate = decoder_->sample_rate;
    ffmpeg::ChannelLayout defaultLayout(f->ch_layout.nb_channels);
    AVChannelLayout* inLayout =
        f->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC ? defaultLayout.get() : &f->ch_layout;
    const int inRate = f->sample_rate > 0 ? f->sample_rate : rate;
    if (!resampler_ || av_channel_layout_compare(&resamplerLayout_, inLayout) != 0 ||
        resamplerFormat_ != f->format || resamplerRate_ != inRate) {
        // Frames keep the source's rate; more than two channels are mixed down to stereo.
        ffmpeg::ChannelLayout outLayout(outChannels);
        SwrContext* s = nullptr;
        if (swr_alloc_set_opts2(&s, outLayout.get(), AV_SAMPLE_FMT_S16, rate, inLayout,
                                static_cast<AVSampleFormat>(f->format), inRate, 0, nullptr) < 0)
            return WM_E_FAIL;
        resampler_.reset(s);
        if (swr_init(s) < 0) {
            resampler_.reset();
            return WM_E_FAIL;
        }
        av_channel_layout_uninit(&resamplerLayout_);
        if (av_channel_layout_copy(&resamplerLayout_, inLayout) < 0) return WM_E_FAIL;
        resamplerFormat_ = f->format;
        resamplerRate_ = inRate;
    }
    const int capacity = swr_get_out_samples(resampler_.get(), f->nb_samples);
    if (capacity < 0) return WM_E_FAIL;
    WmSampleBufferPtr buffer = pool_->Take(static_cast<std::uint32_t>(capacity) *
                                           static_cast<std::uint32_t>(outChannels) * 2);
    if (!buffer) return WM_E_OUTOFMEMORY;
    std::uint8_t* out = nullptr;
    std::uint32_t maxLength = 0;
    if (WmFailed(buffer->GetBuffer(&out)) || WmFailed(buffer->GetMaxLength(&maxLength)) || !out ||
        maxLength == 0)
        return WM_E_OUTOFMEMORY;
    const int produced =
        swr_convert(resampler_.get(), &out, capacity,
                    const_cast<const std::uint8_t**>(f->extended_data), f->nb_samples);
    if (produced < 0) return WM_E_FAIL;
    const WmResult sized = buffer->SetLength(static_cast<std::uint32_t>(produced) *
                                             static_cast<std::uint32_t>(outChannels) * 2);
    if (WmFailed(sized)) return sized;
    *sample = std::move(buffer);
    return WM_S_OK;
}

WmResult FfmpegSyncReader::GetNextSample(std::uint16_t streamNumber, WmSampleBufferPtr* sample,
                                         std::uint64_t* sampleTime) {
    if (!sample || !input_) return WM_E_UNEXPECTED;
    if (audioIndex_ < 0 || streamNumber != StreamNumberOf(static_cast<unsigned>(audioIndex_)))
        return WM_E_INVALIDARG;
    if (!frameReady_) {
        if (ended_) return readFailed_ ? NS_E_FILE_READ : NS_E_NO_MORE_SAMPLES;
        const Decoded d = DecodeNextFrame(false);
        if (d != Decoded::Frame) {
            ended_ = true;
            readFailed_ = d == Decoded::ReadFailed;
            return readFailed_ ? NS_E_FILE_READ : NS_E_NO_MORE_SAMPLES;
        }
    }
    frameReady_ = false;
    const WmResult r = ConvertFrame(sample);
    av_frame_unref(frame_.get());
    if (WmFailed(r)) {
        ended_ = true;
        return r;
    }
    // Times count the frames handed out, so that they run on without gaps from zero.
    if (sampleTime)
        *sampleTime =
            framesOut_ * kUnitsPerSecond / static_cast<std::uint64_t>(decoder_->sample_rate);
    std::uint32_t length = 0;
    if (const WmResult measured = (*sample)->GetLength(&length); WmFailed(measured)) {
        sample->reset();
        return measured;
    }
    framesOut_ += length / (static_cast<std::uint32_t>(OutputChannels()) * 2);
    return WM_S_OK;
}

std::uint16_t FfmpegSyncReader::StreamNumberOf(unsigned index) const {
    const int id = input_->streams[index]->id;
    return id > 0 && id <= 127 ? static_cast<std::uint16_t>(id)
                               : static_cast<std::uint16_t>(index + 1);
}

WmResult FfmpegSyncReader::GetStreamCount(std::uint32_t* count) {
    if (!count || !input_) return WM_E_UNEXPECTED;
    *count = input_->nb_streams;
    return WM_S_OK;
}

WmResult FfmpegSyncReader::GetStream(std::uint32_t index, std::uint16_t* streamNumber,
                                     WmGuid* streamType) {
    if (!input_ || index >= input_->nb_streams) return WM_E_INVALIDARG;
    const AVStream* st = input_->streams[index];
    if (streamNumber) *streamNumber = StreamNumberOf(index);
    if (streamType) {
        // Only the stream this reader decodes counts as audio: it is the one samples come from.
        switch (st->codecpar->codec_type) {
            case AVMEDIA_TYPE_AUDIO:
                *streamType =
                    static_cast<int>(index) == audioIndex_ ? WMMEDIATYPE_Audio : WaveSubtype(0);
                break;
            case AVMEDIA_TYPE_VIDEO:
                *streamType = WMMEDIATYPE_Video;
                break;
            default:
                *streamType = WMMEDIATYPE_Script;
                break;
        }
    }
    return WM_S_OK;
}

WmResult FfmpegSyncReader::GetAttributeByName(std::uint16_t* streamNumber,
                                              const std::u16string& name, WMT_ATTR_DATATYPE* type,
                                              std::uint8_t* value, std::uint16_t* length) {
    if (!input_ || !length) return WM_E_UNEXPECTED;
    if (streamNumber && *streamNumber != 0) return ASF_E_NOTFOUND;
    const std::string attribute = Utf16ToUtf8(name);
    if (attribute == "Duration") {
        if (input_->duration == AV_NOPTS_VALUE || input_->duration <= 0) return ASF_E_NOTFOUND;
        const std::uint64_t units = static_cast<std::uint64_t>(input_->duration) * 10;
        std::uint8_t bytes[8];
        for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(units >> (8 * i));
        return PutValue(WMT_TYPE_QWORD, bytes, 8, type, value, length);
    }
    if (attribute == "Bitrate") {
        std::int64_t bitRate =
            audioIndex_ >= 0 ? input_->streams[audioIndex_]->codecpar->bit_rate : 0;
        if (bitRate <= 0) bitRate = input_->bit_rate;
        if (bitRate <= 0) return ASF_E_NOTFOUND;
        const auto v = static_cast<std::uint32_t>(std::min<std::int64_t>(bitRate, 0xFFFFFFFF));
        const std::uint8_t bytes[4] = {
            static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
        return PutValue(WMT_TYPE_DWORD, bytes, 4, type, value, length);
    }
    for (const std::string& key : MetadataKeysForAttribute(attribute)) {
        const AVDictionaryEntry* e = av_dict_get(input_->metadata, key.c_str(), nullptr, 0);
        if (!e || !e->value) continue;
        std::u16string text = Utf8ToUtf16(e->value);
        const std::size_t maxUnits = std::numeric_limits<std::uint16_t>::max() / 2 - 1;
        if (text.size() > maxUnits) text.resize(maxUnits);
        return PutValue(WMT_TYPE_STRING, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                        (text.size() + 1) * 2, type, value, length);
    }
    return ASF_E_NOTFOUND;
}

WmResult FfmpegSyncReader::GetOutputCount(std::uint32_t* count) {
    if (!count || !input_) return WM_E_UNEXPECTED;
    *count = input_->nb_streams;
    return WM_S_OK;
}

WmResult FfmpegSyncReader::GetOutputMediaType(std::uint32_t output, WM_MEDIA_TYPE* type,
                                              std::uint32_t* size) {
    if (!input_ || output >= input_->nb_streams) return WM_E_INVALIDARG;
    WM_MEDIA_TYPE media;
    WAVEFORMATEX format{};
    if (static_cast<int>(output) == audioIndex_) {
        // The decoded audio: 16-bit PCM at the source's rate, at most two channels.
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = static_cast<std::uint16_t>(OutputChannels());
        format.nSamplesPerSec = static_cast<std::uint32_t>(decoder_->sample_rate);
        format.wBitsPerSample = 16;
        format.nBlockAlign = static_cast<std::uint16_t>(format.nChannels * 2);
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        media.majortype = WMMEDIATYPE_Audio;
        media.subtype = WMMEDIASUBTYPE_PCM;
        media.bFixedSizeSamples = true;
        media.lSampleSize = format.nBlockAlign;
        media.formattype = WMFORMAT_WaveFormatEx;
        media.cbFormat = kWaveFormatExSize;
        media.pbFormat = reinterpret_cast<std::uint8_t*>(&format);
    } else {
        const auto kind = input_->streams[output]->codecpar->codec_type;
        media.majortype = kind == AVMEDIA_TYPE_VIDEO ? WMMEDIATYPE_Video : WMMEDIATYPE_Script;
    }
    return CopyMediaTypeOut(media, type, size);
}

}  // namespace tonvexa
