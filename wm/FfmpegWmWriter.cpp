#include "wm/FfmpegWmWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/AtomicOutput.h"
#include "base/LittleEndian.h"
#include "wm/WmAttributeNames.h"
#include "wm/WmText.h"

extern "C" {
#include <libavutil/samplefmt.h>
}

namespace tonvexa {

namespace {

// The I/O buffer, as large as the one FFmpeg gives its own files.
constexpr int kIoBufferSize = 32768;

int WritePacket(void* opaque, std::uint8_t* data, int size) {
    const int fd = *static_cast<const int*>(opaque);
    int done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, static_cast<std::size_t>(size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return AVERROR(n < 0 ? errno : EIO);
        done += static_cast<int>(n);
    }
    return size;
}

std::int64_t Seek(void* opaque, std::int64_t offset, int whence) {
    const int fd = *static_cast<const int*>(opaque);
    if (whence & AVSEEK_SIZE) {
        struct stat st {};
        return ::fstat(fd, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : AVERROR(errno);
    }
    const off_t at = ::lseek(fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : static_cast<std::int64_t>(at);
}

}  // namespace

FfmpegWmWriter::FfmpegWmWriter() = default;

FfmpegWmWriter::~FfmpegWmWriter() {
    Abandon();
}

WmResult FfmpegWmWriter::SetProfile(WmProfile& profile) {
    std::uint32_t count = 0;
    if (WmFailed(profile.GetStreamCount(&count)) || count != 1) return WM_E_INVALIDARG;
    WmStreamConfig* config = nullptr;
    WmGuid kind;
    if (WmFailed(profile.GetStream(0, &config)) || !config ||
        WmFailed(config->GetStreamType(&kind)) || !(kind == WMMEDIATYPE_Audio))
        return WM_E_INVALIDARG;
    std::uint32_t size = 0;
    if (WmFailed(config->GetMediaType(nullptr, &size))) return WM_E_INVALIDARG;
    MediaTypeBlock type = AllocateMediaTypeBlock(size);
    if (!type || WmFailed(config->GetMediaType(type.get(), &size))) return WM_E_INVALIDARG;
    const WAVEFORMATEX* format = WaveFormatOf(type.get());
    std::uint32_t bitRate = 0;
    if (!(type->subtype == WMMEDIASUBTYPE_WMAudioV8) || !format ||
        format->wFormatTag != WAVE_FORMAT_WMAUDIO2 || format->nChannels < 1 ||
        format->nChannels > 2 || format->nSamplesPerSec == 0 ||
        WmFailed(config->GetBitrate(&bitRate)) || bitRate == 0)
        return WM_E_INVALIDARG;
    targetRate_ = static_cast<int>(format->nSamplesPerSec);
    targetChannels_ = format->nChannels;
    bitRate_ = bitRate;
    return WM_S_OK;
}

WmResult FfmpegWmWriter::GetInputCount(std::uint32_t* count) {
    if (!count) return WM_E_INVALIDARG;
    *count = targetRate_ ? 1 : 0;
    return WM_S_OK;
}

WmResult FfmpegWmWriter::GetInputType(std::uint32_t input, WmGuid* majorType) {
    if (!majorType || input != 0 || !targetRate_) return WM_E_INVALIDARG;
    *majorType = WMMEDIATYPE_Audio;
    return WM_S_OK;
}

WmResult FfmpegWmWriter::SetInputMediaType(std::uint32_t input, const WM_MEDIA_TYPE& type) {
    if (input != 0 || !targetRate_) return WM_E_INVALIDARG;
    const WAVEFORMATEX* format = WaveFormatOf(&type);
    if (!(type.majortype == WMMEDIATYPE_Audio) || !(type.subtype == WMMEDIASUBTYPE_PCM) ||
        !format || format->wFormatTag != WAVE_FORMAT_PCM ||
        (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) || format->nChannels < 1 ||
        format->nChannels > 2 || format->nSamplesPerSec == 0 || format->nSamplesPerSec > 768000)
        return WM_E_INVALIDARG;
    inputRate_ = static_cast<int>(format->nSamplesPerSec);
    inputChannels_ = format->nChannels;
    inputBits_ = format->wBitsPerSample;
    return WM_S_OK;
}

WmResult FfmpegWmWriter::AddAttribute(std::uint16_t streamNumber, const std::u16string& name,
                                      std::uint16_t* index, WMT_ATTR_DATATYPE type,
                                      std::uint16_t /*language*/, const std::uint8_t* value,
                                      std::uint32_t length) {
    if (streamNumber != 0 || writing_ || (!value && length)) return WM_E_INVALIDARG;
    std::string text;
    switch (type) {
        case WMT_TYPE_STRING:
            text = Utf16ToUtf8(Utf16FromBytes(value, length));
            break;
        case WMT_TYPE_DWORD:
            if (length < 4) return WM_E_INVALIDARG;
            text = std::to_string(ReadLe32(value));
            break;
        case WMT_TYPE_QWORD:
            if (length < 8) return WM_E_INVALIDARG;
            text = std::to_string(ReadLe64(value));
            break;
        case WMT_TYPE_WORD:
            if (length < 2) return WM_E_INVALIDARG;
            text = std::to_string(ReadLe16(value));
            break;
        case WMT_TYPE_BOOL:
            if (length < 4) return WM_E_INVALIDARG;
            text.assign(1, ReadLe32(value) ? '1' : '0');
            break;
        default:
            return WM_E_INVALIDARG;  // the muxer keeps only texts
    }
    const std::string key = MetadataKeyForWriting(Utf16ToUtf8(name));
    AVDictionary* d = metadata_.release();
    const int r = av_dict_set(&d, key.c_str(), text.c_str(), 0);
    metadata_.reset(d);
    if (r < 0) return WM_E_OUTOFMEMORY;
    if (index) *index = static_cast<std::uint16_t>(av_dict_count(metadata_.get()) - 1);
    return WM_S_OK;
}

WmResult FfmpegWmWriter::SetOutputFile(AtomicOutput& file) {
    if (writing_ || !file.IsOpen()) return WM_E_INVALIDARG;
    file_ = &file;
    return WM_S_OK;
}

bool FfmpegWmWriter::OpenIo() {
    fd_ = ::fcntl(file_->Descriptor(), F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0) return false;
    auto* buffer = static_cast<std::uint8_t*>(av_malloc(kIoBufferSize));
    if (!buffer) return false;
    io_.reset(avio_alloc_context(buffer, kIoBufferSize, 1, &fd_, nullptr, WritePacket, Seek));
    if (!io_) {
        av_free(buffer);
        return false;
    }
    output_->pb = io_.get();
    output_->flags |= AVFMT_FLAG_CUSTOM_IO;
    return true;
}

void FfmpegWmWriter::CloseIo() {
    if (output_) output_->pb = nullptr;
    io_.reset();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void FfmpegWmWriter::Abandon() {
    // What was written stays the file's owner's to drop.
    resampler_.reset();
    frame_.reset();
    packet_.reset();
    encoder_.reset();
    CloseIo();
    output_.reset();
    stream_ = nullptr;
    writing_ = false;
}

WmResult FfmpegWmWriter::BeginWriting() {
    if (writing_ || !targetRate_ || !inputRate_ || !file_) return WM_E_UNEXPECTED;
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!codec) return WM_E_FAIL;

    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, "asf", nullptr) < 0 || !raw) return WM_E_FAIL;
    output_.reset(raw);
    encoder_.reset(avcodec_alloc_context3(codec));
    packet_.reset(av_packet_alloc());
    frame_.reset(av_frame_alloc());
    if (!encoder_ || !packet_ || !frame_) {
        Abandon();
        return WM_E_OUTOFMEMORY;
    }
    encoder_->sample_rate = targetRate_;
    av_channel_layout_default(&encoder_->ch_layout, targetChannels_);
    encoder_->sample_fmt = AV_SAMPLE_FMT_FLTP;
    encoder_->bit_rate = bitRate_;
    encoder_->time_base = AVRational{1, targetRate_};
    if (output_->oformat->flags & AVFMT_GLOBALHEADER)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(encoder_.get(), codec, nullptr) < 0) {
        Abandon();
        return WM_E_INVALIDARG;
    }
    stream_ = avformat_new_stream(output_.get(), nullptr);
    if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, encoder_.get()) < 0) {
        Abandon();
        return WM_E_FAIL;
    }
    stream_->time_base = encoder_->time_base;
    stream_->id = 1;
    av_dict_copy(&output_->metadata, metadata_.get(), 0);

    ffmpeg::ChannelLayout inLayout(inputChannels_);
    SwrContext* s = nullptr;
    const AVSampleFormat inFormat = inputBits_ == 8 ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16;
    if (swr_alloc_set_opts2(&s, &encoder_->ch_layout, AV_SAMPLE_FMT_FLTP, targetRate_,
                            inLayout.get(), inFormat, inputRate_, 0, nullptr) < 0) {
        Abandon();
        return WM_E_FAIL;
    }
    resampler_.reset(s);
    // Mono becomes the same signal on both sides and stereo the mean of its two, so that
    // neither change of channels alters the level.
    if (inputChannels_ != targetChannels_) {
        const double upmix[2] = {1.0, 1.0};
        const double downmix[2] = {0.5, 0.5};
        if (swr_set_matrix(s, inputChannels_ == 1 ? upmix : downmix, inputChannels_) < 0) {
            Abandon();
            return WM_E_FAIL;
        }
    }
    const int frameSize = encoder_->frame_size > 0 ? encoder_->frame_size : 2048;
    if (swr_init(s) < 0) {
        Abandon();
        return WM_E_FAIL;
    }
    frame_->nb_samples = frameSize;
    frame_->format = AV_SAMPLE_FMT_FLTP;
    frame_->sample_rate = targetRate_;
    if (av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout) < 0 ||
        av_frame_get_buffer(frame_.get(), 0) < 0) {
        Abandon();
        return WM_E_OUTOFMEMORY;
    }

    if (!OpenIo()) {
        Abandon();
        return WM_E_FAIL;
    }
    if (avformat_write_header(output_.get(), nullptr) < 0) {
        Abandon();
        return WM_E_FAIL;
    }
    // The encoder's first frame is lost to the decoder's priming (it declares the frame as
    // initial padding, which ASF cannot carry). A frame of silence ahead of the input takes
    // that place, so that a reader's output starts with the first samples written here.
    for (int c = 0; c < targetChannels_; ++c)
        std::memset(frame_->data[c], 0, static_cast<std::size_t>(frameSize) * sizeof(float));
    frame_->pts = 0;
    if (WmFailed(SendFrame(frame_.get()))) {
        Abandon();
        return WM_E_FAIL;
    }
    nextPts_ = frameSize;
    filled_ = 0;
    writing_ = true;
    return WM_S_OK;
}

WmResult FfmpegWmWriter::AllocateSample(std::uint32_t size, WmSampleBufferPtr* sample) {
    if (!sample) return WM_E_INVALIDARG;
    auto buffer = std::make_unique<WmHeapSampleBuffer>(size);
    std::uint32_t capacity = 0;
    if (WmFailed(buffer->GetMaxLength(&capacity)) || capacity < size) return WM_E_OUTOFMEMORY;
    *sample = std::move(buffer);
    return WM_S_OK;
}

WmResult FfmpegWmWriter::Convert(const std::uint8_t* input, int frames) {
    const std::uint8_t* in[1] = {input};
    return swr_convert(resampler_.get(), nullptr, 0, in, frames) < 0 ? WM_E_FAIL : WM_S_OK;
}

WmResult FfmpegWmWriter::SendFrame(AVFrame* frame) {
    if (avcodec_send_frame(encoder_.get(), frame) < 0) return WM_E_FAIL;
    for (;;) {
        const int r = avcodec_receive_packet(encoder_.get(), packet_.get());
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return WM_S_OK;
        if (r < 0) return WM_E_FAIL;
        packet_->stream_index = stream_->index;
        av_packet_rescale_ts(packet_.get(), encoder_->time_base, stream_->time_base);
        if (av_interleaved_write_frame(output_.get(), packet_.get()) < 0) return WM_E_FAIL;
    }
}

WmResult FfmpegWmWriter::EncodeFrames(bool flush) {
    const int frameSize = frame_->nb_samples;
    // A present but empty input takes buffered samples without flushing the resampler.
    const std::uint8_t* none[1] = {nullptr};
    std::uint8_t dummy = 0;
    none[0] = &dummy;
    for (;;) {
        if (filled_ == 0 && av_frame_make_writable(frame_.get()) < 0) return WM_E_OUTOFMEMORY;
        std::uint8_t* out[2] = {};
        for (int c = 0; c < targetChannels_; ++c)
            out[c] = frame_->data[c] + static_cast<std::size_t>(filled_) * sizeof(float);
        const int got =
            swr_convert(resampler_.get(), out, frameSize - filled_, flush ? nullptr : none, 0);
        if (got < 0) return WM_E_FAIL;
        filled_ += got;
        if (filled_ < frameSize) {
            if (!flush || filled_ == 0) return WM_S_OK;
            if (got > 0) continue;
            // The encoder takes whole frames only: the last one is completed with silence.
            for (int c = 0; c < targetChannels_; ++c)
                std::memset(reinterpret_cast<float*>(frame_->data[c]) + filled_, 0,
                            static_cast<std::size_t>(frameSize - filled_) * sizeof(float));
        }
        frame_->pts = nextPts_;
        nextPts_ += frameSize;
        filled_ = 0;
        const WmResult r = SendFrame(frame_.get());
        if (WmFailed(r)) return r;
        if (flush && got == 0) return WM_S_OK;
    }
}

WmResult FfmpegWmWriter::WriteSample(std::uint32_t input, std::uint64_t /*sampleTime*/,
                                     std::uint32_t /*flags*/, WmSampleBuffer& sample) {
    // Samples are coded one after the other; their times only order them.
    if (!writing_ || input != 0) return WM_E_UNEXPECTED;
    std::uint8_t* bytes = nullptr;
    std::uint32_t length = 0;
    if (WmFailed(sample.GetBufferAndLength(&bytes, &length))) return WM_E_INVALIDARG;
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(inputChannels_ * inputBits_ / 8);
    const int frames = static_cast<int>(length / frameBytes);
    if (frames == 0) return WM_S_OK;
    if (!bytes) return WM_E_INVALIDARG;
    WmResult r = Convert(bytes, frames);
    if (!WmFailed(r)) r = EncodeFrames(false);
    return r;
}

WmResult FfmpegWmWriter::EndWriting() {
    if (!writing_) return WM_E_UNEXPECTED;
    WmResult r = EncodeFrames(true);
    if (!WmFailed(r)) r = SendFrame(nullptr);
    if (av_write_trailer(output_.get()) < 0 && !WmFailed(r)) r = WM_E_FAIL;
    // Whatever the buffer still holds goes out; a write that failed on the way shows here.
    avio_flush(io_.get());
    if (io_->error < 0 && !WmFailed(r)) r = WM_E_FAIL;
    if (::close(fd_) != 0 && !WmFailed(r)) r = WM_E_FAIL;
    fd_ = -1;
    Abandon();
    return r;
}

}  // namespace tonvexa
