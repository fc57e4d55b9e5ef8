#include "audio/Mp3Writer.h"

#include <fcntl.h>
#include <lame/lame.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>

#include "base/PcmFormat.h"

namespace tonvexa {

namespace {

// The encoder reports through the console unless told otherwise; the program reports
// through its results only.
void Quiet(const char*, va_list) {}

}  // namespace

void Mp3Writer::EncoderCloser::operator()(lame_global_struct* encoder) const {
    lame_close(encoder);
}

Mp3Writer::Mp3Writer() = default;

Mp3Writer::~Mp3Writer() {
    static_cast<void>(Close());
}

bool Mp3Writer::Open(const std::string& path) {
    static_cast<void>(Close());
    auto file = std::make_unique<AtomicOutput>();
    if (!file->Create(path)) return false;
    const bool started = Start(*file);
    // A file whose encoder could not be set up stays open until Close, as any other.
    if (file_) {
        owned_ = std::move(file);
        path_ = path;
    }
    return started;
}

bool Mp3Writer::Open(AtomicOutput& file) {
    static_cast<void>(Close());
    return Start(file);
}

bool Mp3Writer::Start(AtomicOutput& output) {
    path_.clear();
    const int fd = ::fcntl(output.Descriptor(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) return false;
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        ::close(fd);
        return false;
    }
    file_.reset(file);
    writeFailed_ = false;
    started_ = false;
    inRateRefused_ = false;
    outRateRefused_ = false;
    lame_t encoder = lame_init();
    if (encoder == nullptr) return false;
    encoder_.reset(encoder);
    lame_set_errorf(encoder, Quiet);
    lame_set_debugf(encoder, Quiet);
    lame_set_msgf(encoder, Quiet);
    return true;
}

bool Mp3Writer::WriteLeadingTag(std::span<const std::uint8_t> tag) {
    if (!file_ || started_) return false;
    return WriteAll(tag.data(), tag.size());
}

void Mp3Writer::SetTagBlock(std::span<const std::uint8_t, mp3::kId3v1BlockSize> block) {
    tagBlock_ = std::make_unique<std::array<std::uint8_t, mp3::kId3v1BlockSize>>();
    std::copy(block.begin(), block.end(), tagBlock_->begin());
}

// The setters' results are not looked at: with the clamps they cannot fail, and what the
// encoder makes of the whole set shows at StartEncoding.
void Mp3Writer::SetChannels(int channels) {
    if (encoder_) lame_set_num_channels(encoder_.get(), std::clamp(channels, 1, 2));
}

void Mp3Writer::SetInSampleRate(int rate) {
    // A rate no audio has would only reach the encoder's resampling arithmetic.
    if (!encoder_) return;
    inRateRefused_ = !IsPlausibleSampleRate(rate);
    if (!inRateRefused_) lame_set_in_samplerate(encoder_.get(), rate);
}

void Mp3Writer::SetOutSampleRate(int rate) {
    // The encoder refuses a rate that MPEG audio cannot carry without saying so later and
    // would then pick one itself; the refusal is kept so that StartEncoding fails instead
    // of writing the file at a rate nobody asked for.
    if (encoder_) outRateRefused_ = lame_set_out_samplerate(encoder_.get(), rate) != 0;
}

void Mp3Writer::SetBitRate(int kbps) {
    if (encoder_) lame_set_brate(encoder_.get(), std::clamp(kbps, kMinBitRate, kMaxBitRate));
}

void Mp3Writer::SetMode(int mode) {
    if (!encoder_) return;
    if (mode != mp3::kModeStereo && mode != mp3::kModeJointStereo && mode != mp3::kModeMono) {
        mode = mp3::kModeStereo;
    }
    lame_set_mode(encoder_.get(), static_cast<MPEG_mode>(mode));
}

bool Mp3Writer::StartEncoding() {
    if (!encoder_ || started_ || inRateRefused_ || outRateRefused_) return false;
    lame_set_bWriteVbrTag(encoder_.get(), 0);
    lame_set_VBR(encoder_.get(), vbr_off);
    if (lame_init_params(encoder_.get()) == -1) return false;
    started_ = true;
    effectiveBitRate_ = lame_get_brate(encoder_.get());
    effectiveOutSampleRate_ = lame_get_out_samplerate(encoder_.get());
    effectiveMode_ = static_cast<int>(lame_get_mode(encoder_.get()));
    return true;
}

bool Mp3Writer::WriteAll(const void* data, std::size_t size) {
    if (size == 0) return true;
    if (std::fwrite(data, 1, size, file_.get()) == size) return true;
    writeFailed_ = true;
    return false;
}

bool Mp3Writer::Encode(const std::int16_t* left, const std::int16_t* right, int frames) {
    if (!started_ || frames < 0 || left == nullptr) return false;
    if (frames == 0) return true;
    const int n = lame_encode_buffer(encoder_.get(), left, right, frames, output_.data(),
                                     static_cast<int>(output_.size()));
    if (n < 0) return false;
    return WriteAll(output_.data(), static_cast<std::size_t>(n));
}

bool Mp3Writer::Close() {
    if (!file_) return true;
    bool ok = !writeFailed_ && encoder_ != nullptr;
    if (started_) {
        const int n =
            lame_encode_flush(encoder_.get(), output_.data(), static_cast<int>(output_.size()));
        if (n < 0) {
            ok = false;
        } else if (!WriteAll(output_.data(), static_cast<std::size_t>(n))) {
            ok = false;
        }
    }
    if (tagBlock_ && !WriteAll(tagBlock_->data(), tagBlock_->size())) ok = false;
    // Closing writes what the stream still buffers; a full disk shows up here.
    if (std::fclose(file_.release()) != 0) ok = false;
    if (owned_) {
        // The path's name is taken only by a finished file, and only if nothing else took it.
        ok = ok && owned_->CommitAs(path_) == AtomicOutput::Commit::Named;
        owned_.reset();
    }
    tagBlock_.reset();
    encoder_.reset();
    started_ = false;
    writeFailed_ = false;
    return ok;
}

}  // namespace tonvexa
