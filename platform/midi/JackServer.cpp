#include "platform/midi/JackServer.h"

#include <jack/jack.h>

namespace platform {

bool jackServerRunning() {
    jack_status_t status{};
    jack_client_t* probe = jack_client_open("Clavito", JackNoStartServer, &status);
    if (probe == nullptr) {
        return false;
    }
    jack_client_close(probe);
    return true;
}

} // namespace platform
