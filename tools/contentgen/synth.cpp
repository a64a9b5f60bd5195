#include "synth.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include <vorbis/vorbisenc.h>

namespace synth {

size_t frames(double seconds) { return seconds <= 0 ? 0 : size_t(std::llround(seconds * kRate)); }
double seconds(size_t n) { return double(n) / kRate; }

double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

void Stereo::add(const Mono& m, size_t at, float gain, float pan) {
    if (at + m.size() > size()) resize(at + m.size());
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4;
    const float gl = gain * float(std::cos(angle)) * float(std::sqrt(2.0));
    const float gr = gain * float(std::sin(angle)) * float(std::sqrt(2.0));
    for (size_t i = 0; i < m.size(); ++i) {
        l[at + i] += m[i] * gl;
        r[at + i] += m[i] * gr;
    }
}

void Stereo::add(const Stereo& s, size_t at, float gain) {
    if (at + s.size() > size()) resize(at + s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        l[at + i] += s.l[i] * gain;
        r[at + i] += s.r[i] * gain;
    }
}

const float* sineTable() {
    static const std::vector<float> table = [] {
        std::vector<float> t(kSineTableSize + 1);
        for (int i = 0; i <= kSineTableSize; ++i) t[size_t(i)] = float(std::sin(kTwoPi * i / kSineTableSize));
        return t;
    }();
    return table.data();
}

Envelope::Envelope(double attack, double decayTau, double sustain, double noteOff, double releaseTau)
    : attackN_(std::max<size_t>(1, frames(attack))), offN_(frames(noteOff)), sustain_(sustain),
      decay_(decayTau), release_(releaseTau) {}

float expDecay(double t, double tau) { return t < 0 ? 0.0f : float(std::exp(-t / tau)); }

float adsr(double t, double attack, double decayTau, double sustain, double noteOff, double releaseTau) {
    auto held = [&](double u) {
        if (u < 0) return 0.0;
        if (u < attack) return u / attack;
        return sustain + (1.0 - sustain) * std::exp(-(u - attack) / decayTau);
    };
    if (t < noteOff) return float(held(t));
    return float(held(noteOff) * std::exp(-(t - noteOff) / releaseTau));
}

void Biquad::set(double nb0, double nb1, double nb2, double a0, double na1, double na2) {
    b0 = float(nb0 / a0);
    b1 = float(nb1 / a0);
    b2 = float(nb2 / a0);
    a1 = float(na1 / a0);
    a2 = float(na2 / a0);
}

void Biquad::setLowpass(double hz, double q) {
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    const double w = kTwoPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::lowpass(double hz, double q) {
    Biquad f;
    f.setLowpass(hz, q);
    return f;
}

Biquad Biquad::highpass(double hz, double q) {
    Biquad f;
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    const double w = kTwoPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    f.set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    return f;
}

Biquad Biquad::bandpass(double hz, double q) {
    Biquad f;
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    const double w = kTwoPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    f.set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
    return f;
}

Biquad Biquad::peak(double hz, double q, double gainDb) {
    Biquad f;
    const double A = std::pow(10.0, gainDb / 40);
    const double w = kTwoPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    f.set(1 + alpha * A, -2 * c, 1 - alpha * A, 1 + alpha / A, -2 * c, 1 - alpha / A);
    return f;
}

// ---------------------------------------------------------------------------

namespace {

struct Comb {
    std::vector<float> buf;
    size_t pos = 0;
    float store = 0;
    float process(float x, float feedback, float damp) {
        const float out = buf[pos];
        store = out * (1 - damp) + store * damp;
        buf[pos] = x + store * feedback;
        if (++pos == buf.size()) pos = 0;
        return out;
    }
};

struct Allpass {
    std::vector<float> buf;
    size_t pos = 0;
    float process(float x) {
        const float b = buf[pos];
        const float out = b - x;
        buf[pos] = x + b * 0.5f;
        if (++pos == buf.size()) pos = 0;
        return out;
    }
};

}  // namespace

void reverb(const Stereo& in, Stereo& out, double roomSize, double damping, double wet) {
    static const int combTuning[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int allpassTuning[4] = {556, 441, 341, 225};
    const int spread = 23;
    Comb combs[2][8];
    Allpass allpasses[2][4];
    // The delay lengths are tuned in samples at 44.1 kHz.
    auto at = [](int samples44) { return size_t(samples44 * double(kRate) / 44100.0 + 0.5); };
    for (int ch = 0; ch < 2; ++ch) {
        for (int i = 0; i < 8; ++i) combs[ch][i].buf.assign(at(combTuning[i] + ch * spread), 0.0f);
        for (int i = 0; i < 4; ++i) allpasses[ch][i].buf.assign(at(allpassTuning[i] + ch * spread), 0.0f);
    }
    const float feedback = float(roomSize);
    const float damp = float(damping);
    const float inGain = 0.015f;
    if (out.size() < in.size()) out.resize(in.size());
    for (size_t n = 0; n < in.size(); ++n) {
        const float x = (in.l[n] + in.r[n]) * inGain;
        float o[2];
        for (int ch = 0; ch < 2; ++ch) {
            float acc = 0;
            for (Comb& c : combs[ch]) acc += c.process(x, feedback, damp);
            for (Allpass& a : allpasses[ch]) acc = a.process(acc);
            o[ch] = acc;
        }
        out.l[n] += o[0] * float(wet);
        out.r[n] += o[1] * float(wet);
    }
}

float peak(const Mono& m) {
    float p = 0;
    for (float s : m) p = std::max(p, std::fabs(s));
    return p;
}

float peak(const Stereo& s) { return std::max(peak(s.l), peak(s.r)); }

float rms(const Stereo& s) {
    double sum = 0;
    for (size_t i = 0; i < s.size(); ++i) sum += double(s.l[i]) * s.l[i] + double(s.r[i]) * s.r[i];
    return s.size() ? float(std::sqrt(sum / (2.0 * s.size()))) : 0.0f;
}

void scale(Mono& m, float g) {
    for (float& s : m) s *= g;
}

void scale(Stereo& s, float g) {
    scale(s.l, g);
    scale(s.r, g);
}

void normalize(Mono& m, float targetPeak) {
    const float p = peak(m);
    if (p > 0) scale(m, targetPeak / p);
}

void limit(Stereo& s, float ceiling) {
    // Look-ahead of 2 ms so the gain is already down when a peak arrives.
    const size_t ahead = frames(0.002);
    const size_t n = s.size();
    std::vector<float> need(n, 1.0f);
    for (size_t i = 0; i < n; ++i) {
        const float p = std::max(std::fabs(s.l[i]), std::fabs(s.r[i]));
        if (p > ceiling) need[i] = ceiling / p;
    }
    // The gain follows the smallest need over the next few milliseconds:
    // down quickly (already under way when the peak arrives), up slowly.
    const float release = float(std::exp(-1.0 / (0.15 * kRate)));
    const float attack = float(std::exp(-1.0 / (0.0005 * kRate)));
    std::vector<float> minAhead(n, 1.0f);
    std::vector<size_t> window;  // indices with increasing need (a monotone queue)
    window.reserve(n);
    size_t head = 0;
    for (size_t j = 0; j < n + ahead; ++j) {
        if (j < n) {
            while (window.size() > head && need[window.back()] >= need[j]) window.pop_back();
            window.push_back(j);
        }
        if (j >= ahead) {
            const size_t i = j - ahead;
            while (window[head] < i) ++head;
            minAhead[i] = need[window[head]];
        }
    }
    float g = 1.0f;
    for (size_t i = 0; i < n; ++i) {
        const float target = minAhead[i];
        g = target + (g - target) * (target < g ? attack : release);
        const float gi = std::min(g, need[i]);
        s.l[i] *= gi;
        s.r[i] *= gi;
    }
}

void fadeEdges(Mono& m, double inSeconds, double outSeconds) {
    const size_t a = std::min(m.size(), frames(inSeconds));
    const size_t b = std::min(m.size(), frames(outSeconds));
    for (size_t i = 0; i < a; ++i) m[i] *= float(i) / float(a);
    for (size_t i = 0; i < b; ++i) m[m.size() - 1 - i] *= float(i) / float(b);
}

// ---------------------------------------------------------------------------

namespace {

int16_t toS16(float v) {
    v = std::clamp(v, -1.0f, 1.0f);
    return int16_t(std::lrint(v * 32767.0f));
}

void put16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, uint16_t(v));
    put16(b, uint16_t(v >> 16));
}
void putTag(std::vector<uint8_t>& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "contentgen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool writeWavSamples(const std::string& path, const float* const* chans, int channels, size_t n) {
    std::vector<uint8_t> b;
    const uint32_t dataBytes = uint32_t(n * size_t(channels) * 2);
    b.reserve(44 + dataBytes);
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, uint16_t(channels));
    put32(b, kRate);
    put32(b, uint32_t(kRate * channels * 2));
    put16(b, uint16_t(channels * 2));
    put16(b, 16);
    putTag(b, "data");
    put32(b, dataBytes);
    for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < channels; ++c) put16(b, uint16_t(toS16(chans[c][i])));
    return writeBytes(path, b);
}

bool writeOggSamples(const std::string& path, const float* const* chans, int channels, size_t n,
                     float quality, int serial) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, kRate, quality) != 0) {
        vorbis_info_clear(&vi);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "vornell contentgen");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);

    std::vector<uint8_t> out;
    auto take = [&](const ogg_page& og) {
        out.insert(out.end(), og.header, og.header + og.header_len);
        out.insert(out.end(), og.body, og.body + og.body_len);
    };
    ogg_packet header, headerComm, headerCode;
    vorbis_analysis_headerout(&vd, &vc, &header, &headerComm, &headerCode);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &headerComm);
    ogg_stream_packetin(&os, &headerCode);
    ogg_page og;
    while (ogg_stream_flush(&os, &og) != 0) take(og);

    const size_t block = 1024;
    size_t pos = 0;
    bool eos = false;
    while (!eos) {
        const size_t count = std::min(block, n - pos);
        if (count == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, int(count));
            for (int c = 0; c < channels; ++c)
                for (size_t i = 0; i < count; ++i) buffer[c][i] = std::clamp(chans[c][pos + i], -1.0f, 1.0f);
            vorbis_analysis_wrote(&vd, int(count));
            pos += count;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og) != 0) {
                    take(og);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return writeBytes(path, out);
}

}  // namespace

bool writeWav(const std::string& path, const Mono& m) {
    const float* c[1] = {m.data()};
    return writeWavSamples(path, c, 1, m.size());
}

bool writeWav(const std::string& path, const Stereo& s) {
    const float* c[2] = {s.l.data(), s.r.data()};
    return writeWavSamples(path, c, 2, s.size());
}

bool writeOgg(const std::string& path, const Stereo& s, float quality, int serial) {
    const float* c[2] = {s.l.data(), s.r.data()};
    return writeOggSamples(path, c, 2, s.size(), quality, serial);
}

bool writeOgg(const std::string& path, const Mono& m, float quality, int serial) {
    const float* c[1] = {m.data()};
    return writeOggSamples(path, c, 1, m.size(), quality, serial);
}

bool makeDirs(const std::string& path) {
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/') continue;
        const std::string part = path.substr(0, i);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    return true;
}

}  // namespace synth
