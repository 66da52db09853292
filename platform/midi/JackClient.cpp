#include "platform/midi/JackClient.h"

namespace platform {

std::unique_ptr<JackClient> JackClient::open(const char* name, std::function<void()> onGone) {
    jack_client_t* client = jack_client_open(name, JackNoStartServer, nullptr);
    if (client == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<JackClient>(new JackClient(client, std::move(onGone)));
}

JackClient::JackClient(jack_client_t* client, std::function<void()> onGone)
    : client_(client), onGone_(std::move(onGone)) {
    jack_on_info_shutdown(client_, &JackClient::shutdown, this);
    watcher_ = std::thread([this] { watch(); });
}

JackClient::~JackClient() {
    int running = Running;
    const bool gone = !state_.compare_exchange_strong(running, Closing);
    state_.notify_all();
    watcher_.join();
    if (!gone) {
        jack_client_close(client_);
    }
}

// An atomic store and a futex wake: nothing that a signal handler could not do.
void JackClient::shutdown(jack_status_t, const char*, void* self) {
    auto* client = static_cast<JackClient*>(self);
    int running = Running;
    if (client->state_.compare_exchange_strong(running, Gone)) {
        client->state_.notify_all();
    }
}

void JackClient::watch() {
    state_.wait(Running);
    if (state_.load() == Gone && onGone_) {
        onGone_();
    }
}

} // namespace platform
