#pragma once

namespace kovara {

// Registers the pictures bundled with the windows (idempotent). The windows
// call it themselves; it is needed because they live in a static library.
void InitResources();

} // namespace kovara
