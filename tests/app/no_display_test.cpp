// SPDX-License-Identifier: GPL-3.0-or-later
// The window program where no display can be reached.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/display_check.h"

namespace tamsel {
namespace {

std::map<std::string, std::string> environment;

const char* FromEnvironment(const char* name) {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
}

TEST(DisplayCheck, WhichPlatformsNeedADisplay) {
    const struct {
        std::map<std::string, std::string> env;
        std::vector<std::string> args;
        bool missing;
    } cases[] = {
        {{}, {}, true},
        {{{"DISPLAY", ""}}, {}, true},
        {{{"DISPLAY", ":0"}}, {}, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, {}, false},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}}, {}, true},
        {{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}, {}, false},
        {{{"QT_QPA_PLATFORM", "xcb:nograb"}}, {}, true},
        {{{"QT_QPA_PLATFORM", "xcb"}}, {"-platform", "minimal"}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, {"-platform", "wayland"}, true},
    };
    for (const auto& c : cases) {
        environment = c.env;
        EXPECT_EQ(DisplayMissing(c.args, FromEnvironment), c.missing)
            << (c.env.empty() ? "" : c.env.begin()->first + "=" + c.env.begin()->second);
    }
}

// The program itself, with no display in its environment or one named that
// no server answers: a German message alone on standard error and status 1,
// where Qt would abort.
TEST(DisplayCheck, WindowProgramWithoutDisplay) {
    for (const std::string setting : {"", "QT_QPA_PLATFORM=xcb", "DISPLAY=:77"}) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + setting + " " +
                                    TAMSEL_WINDOW_PROGRAM + " 2>&1 >/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string err;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) err += buffer;
        const int status = pclose(pipe);
        ASSERT_TRUE(WIFEXITED(status)) << setting;
        EXPECT_EQ(WEXITSTATUS(status), 1) << setting;
        EXPECT_EQ(err, kNoDisplayMessage) << setting;
    }
}

}  // namespace
}  // namespace tamsel
