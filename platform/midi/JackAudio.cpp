#include "platform/midi/JackAudio.h"

#include <memory>

namespace platform {

namespace {

constexpr char kClientName[] = "Clavito";

struct PortNamesFree {
    void operator()(const char** names) const { jack_free(static_cast<void*>(names)); }
};

} // namespace

std::unique_ptr<JackAudio> JackAudio::open() {
    std::unique_ptr<JackClient> client = JackClient::open(kClientName, {});
    if (!client) {
        return nullptr;
    }
    std::unique_ptr<JackAudio> audio(new JackAudio(std::move(client)));
    if (audio->left_ == nullptr || audio->right_ == nullptr) {
        return nullptr;
    }
    return audio;
}

JackAudio::JackAudio(std::unique_ptr<JackClient> client) : client_(std::move(client)) {
    left_ = jack_port_register(client_->get(), "left", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    right_ = jack_port_register(client_->get(), "right", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
}

double JackAudio::sampleRate() const {
    return jack_get_sample_rate(client_->get());
}

// A system without playback ports leaves the ports unwired, for the player to wire.
bool JackAudio::start(RenderFunction render, void* data) {
    render_ = render;
    data_ = data;
    jack_set_process_callback(client_->get(), &JackAudio::process, this);
    if (jack_activate(client_->get()) != 0) {
        return false;
    }
    const std::unique_ptr<const char*, PortNamesFree> playback(jack_get_ports(
        client_->get(), nullptr, JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput | JackPortIsPhysical));
    jack_port_t* const ours[] = {left_, right_};
    for (int i = 0; i < 2 && playback && playback.get()[i] != nullptr; ++i) {
        jack_connect(client_->get(), jack_port_name(ours[i]), playback.get()[i]);
    }
    return true;
}

int JackAudio::process(jack_nframes_t frames, void* self) {
    auto* audio = static_cast<JackAudio*>(self);
    float* outputs[] = {static_cast<float*>(jack_port_get_buffer(audio->left_, frames)),
                        static_cast<float*>(jack_port_get_buffer(audio->right_, frames))};
    return audio->render_(audio->data_, static_cast<int>(frames), 0, nullptr, 2, outputs);
}

} // namespace platform
