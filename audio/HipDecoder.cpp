#include "audio/HipDecoder.h"

#include <lame/lame.h>

#include <cstdarg>
#include <mutex>

namespace tonvexa {

namespace {

// The one lock around the library's decoder (see the class comment). It is the only
// process-wide state of the MP3 code, and it exists because the library has some.
std::mutex& DecoderLock() {
    static std::mutex lock;
    return lock;
}

// The library prints resync and error notes to the console unless told otherwise; the
// program reports failures through its results only.
void Quiet(const char*, va_list) {}

}  // namespace

void HipDecoder::Closer::operator()(hip_global_struct* handle) const {
    std::lock_guard<std::mutex> guard(DecoderLock());
    hip_decode_exit(handle);
}

HipDecoder::HipDecoder()
    : left_(new std::int16_t[kCapacity]()), right_(new std::int16_t[kCapacity]()) {}

HipDecoder::~HipDecoder() = default;

bool HipDecoder::Reset() {
    handle_.reset();
    std::lock_guard<std::mutex> guard(DecoderLock());
    hip_t handle = hip_decode_init();
    if (handle == nullptr) return false;
    hip_set_errorf(handle, Quiet);
    hip_set_debugf(handle, Quiet);
    hip_set_msgf(handle, Quiet);
    handle_.reset(handle);
    return true;
}

void HipDecoder::Release() {
    handle_.reset();
}

int HipDecoder::Decode(const std::uint8_t* data, std::size_t size, Mp3StreamProperties& properties,
                       int* encoderDelay, int* encoderPadding) {
    if (!handle_) return -1;
    mp3data_struct info{};
    info.header_parsed = properties.headerParsed ? 1 : 0;
    info.stereo = properties.channels;
    info.samplerate = properties.sampleRate;
    info.bitrate = properties.bitRate;
    info.mode = properties.mode;
    info.framesize = properties.frameSize;
    info.nsamp = static_cast<unsigned long>(properties.totalSamples);
    info.totalframes = properties.totalFrames;
    // The library only fills the delay and padding when it meets a LAME tag.
    int delay = encoderDelay != nullptr ? *encoderDelay : 0;
    int padding = encoderPadding != nullptr ? *encoderPadding : 0;
    // The library takes the input as writable but only copies it.
    auto* bytes = const_cast<unsigned char*>(data);
    unsigned char none = 0;
    if (bytes == nullptr) {
        bytes = &none;
        size = 0;
    }
    int n;
    {
        std::lock_guard<std::mutex> guard(DecoderLock());
        n = hip_decode1_headersB(handle_.get(), bytes, size, left_.get(), right_.get(), &info,
                                 &delay, &padding);
    }
    properties.headerParsed = info.header_parsed != 0;
    properties.channels = info.stereo;
    properties.sampleRate = info.samplerate;
    properties.bitRate = info.bitrate;
    properties.mode = info.mode;
    properties.frameSize = info.framesize;
    properties.totalSamples = info.nsamp;
    properties.totalFrames = info.totalframes;
    if (encoderDelay != nullptr) *encoderDelay = delay;
    if (encoderPadding != nullptr) *encoderPadding = padding;
    if (n > kCapacity) return -1;
    return n;
}

}  // namespace tonvexa
