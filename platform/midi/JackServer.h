#pragma once

namespace platform {

// Whether a JACK server answers, asked without starting one: the JACK library would otherwise launch a
// server of its own on the first client that finds none, and take over the sound card.
bool jackServerRunning();

} // namespace platform
