#pragma once

// One owner per FFmpeg object, so that every path out of the runtime frees what it made.

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

namespace tonvexa::ffmpeg {

struct InputFormatFree {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
using InputFormat = std::unique_ptr<AVFormatContext, InputFormatFree>;

// An output context together with the file it writes into, unless that file is the
// caller's own I/O context (AVFMT_FLAG_CUSTOM_IO), which the caller frees.
struct OutputFormatFree {
    void operator()(AVFormatContext* c) const {
        if (c->pb && !(c->oformat->flags & AVFMT_NOFILE) && !(c->flags & AVFMT_FLAG_CUSTOM_IO))
            avio_closep(&c->pb);
        avformat_free_context(c);
    }
};
using OutputFormat = std::unique_ptr<AVFormatContext, OutputFormatFree>;

// An I/O context of the program's own, with its buffer.
struct IoContextFree {
    void operator()(AVIOContext* c) const {
        av_freep(&c->buffer);
        avio_context_free(&c);
    }
};
using IoContext = std::unique_ptr<AVIOContext, IoContextFree>;

struct CodecContextFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextFree>;

struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
using Packet = std::unique_ptr<AVPacket, PacketFree>;

struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
using Frame = std::unique_ptr<AVFrame, FrameFree>;

struct ResamplerFree {
    void operator()(SwrContext* s) const { swr_free(&s); }
};
using Resampler = std::unique_ptr<SwrContext, ResamplerFree>;

struct AudioFifoFree {
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};
using AudioFifo = std::unique_ptr<AVAudioFifo, AudioFifoFree>;

struct DictionaryFree {
    void operator()(AVDictionary* d) const { av_dict_free(&d); }
};
using Dictionary = std::unique_ptr<AVDictionary, DictionaryFree>;

// A channel layout, uninitialised on every way out.
class ChannelLayout {
public:
    ChannelLayout() = default;
    explicit ChannelLayout(int channels) { av_channel_layout_default(&layout_, channels); }
    ~ChannelLayout() { av_channel_layout_uninit(&layout_); }
    ChannelLayout(const ChannelLayout&) = delete;
    ChannelLayout& operator=(const ChannelLayout&) = delete;
    AVChannelLayout* get() { return &layout_; }
    const AVChannelLayout* get() const { return &layout_; }

private:
    AVChannelLayout layout_{};
};

}  // namespace tonvexa::ffmpeg
