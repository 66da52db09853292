#pragma once
// A JACK client of the program's own. It never starts a server, tells of its server's shutdown from a
// thread of its own (JACK's shutdown callback may do no more than a signal handler may), and is never closed
// once its server shut down: libjack then deletes every client of the dead server as soon as the process
// opens its next client (the output chooser's list does), so a close of ours could come after that and
// delete it twice. Until the next open such a client stays allocated; that is libjack's design, not a leak.

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include <jack/jack.h>

namespace platform {

class JackClient {
public:
    // Null when no server answers. onGone (may be empty) is called once, from the client's own thread, when
    // the server shuts down or drops the client.
    static std::unique_ptr<JackClient> open(const char* name, std::function<void()> onGone);
    JackClient(const JackClient&) = delete;
    JackClient& operator=(const JackClient&) = delete;
    // Closes the client, which waits on the server; after a shutdown it leaves the client to libjack.
    ~JackClient();

    jack_client_t* get() const { return client_; }

private:
    enum State { Running, Gone, Closing };

    JackClient(jack_client_t* client, std::function<void()> onGone);
    static void shutdown(jack_status_t, const char*, void* self);
    void watch();

    jack_client_t* client_;
    std::function<void()> onGone_;
    std::atomic<int> state_{Running};
    std::thread watcher_;
};

} // namespace platform
