// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tamsel {

// Whether the window could not be shown because no display server is named:
// Qt's platform (from "-platform NAME" in the arguments, else from
// QT_QPA_PLATFORM, else Qt's own choice of X11 or Wayland) needs one, and
// neither DISPLAY (X11) nor WAYLAND_DISPLAY (Wayland) names one. Platforms
// without a screen, such as offscreen or minimal, need none.
// `getEnv` reads the environment (std::getenv in the program).
bool DisplayMissing(const std::vector<std::string>& args, const char* (*getEnv)(const char*));

// What the window program says then, on standard error.
inline constexpr const char* kNoDisplayMessage =
    "tamsel: keine Anzeige erreichbar: das Fenster braucht einen grafischen Bildschirm "
    "(X11 über DISPLAY oder Wayland über WAYLAND_DISPLAY); im Terminal rechnet tamsel-cli dasselbe.\n";

}  // namespace tamsel
