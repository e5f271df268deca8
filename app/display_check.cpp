// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_check.h"

#include <string_view>

namespace tamsel {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// Whether the platform `name` (without its ":options") can start here.
bool PlatformCanStart(std::string_view name, const char* (*getEnv)(const char*)) {
    if (name == "xcb") return IsSet(getEnv("DISPLAY"));
    if (name.rfind("wayland", 0) == 0) return IsSet(getEnv("WAYLAND_DISPLAY"));
    return true;
}

}  // namespace

bool DisplayMissing(const std::vector<std::string>& args, const char* (*getEnv)(const char*)) {
    std::string platforms;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "-platform" || args[i] == "--platform") platforms = args[i + 1];
    }
    if (platforms.empty() && IsSet(getEnv("QT_QPA_PLATFORM"))) platforms = getEnv("QT_QPA_PLATFORM");
    if (platforms.empty()) platforms = "xcb;wayland";
    // Qt tries each of a list separated by ";".
    std::string_view rest = platforms;
    for (;;) {
        const std::string_view entry = rest.substr(0, rest.find(';'));
        if (PlatformCanStart(entry.substr(0, entry.find(':')), getEnv)) return false;
        if (entry.size() == rest.size()) return true;
        rest.remove_prefix(entry.size() + 1);
    }
}

}  // namespace tamsel
