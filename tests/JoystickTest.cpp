// SPDX-License-Identifier: MIT
#include "app/Joystick.h"

#include <dlfcn.h>
#include <linux/joystick.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cstdarg>
#include <cstdlib>
#include <fstream>

#include "tests/TestSupport.h"

namespace {

ino_t pluggedStick = 0;  // the inode of the file that plays a stick
int pluggedButtons = 0;

}  // namespace

// SDL takes any file named in SDL_JOYSTICK_DEVICE for a stick and reads its
// moves as joystick events; it asks the device for its button count, which
// a plain file cannot answer, so the answer comes from here.
extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
    static auto real =
        reinterpret_cast<int (*)(int, unsigned long, void*)>(dlsym(RTLD_NEXT, "ioctl"));
    va_list rest;
    va_start(rest, request);
    void* argument = va_arg(rest, void*);
    va_end(rest);
    struct stat file;
    if (pluggedStick && request == JSIOCGBUTTONS && fstat(fd, &file) == 0 &&
        file.st_ino == pluggedStick) {
        *static_cast<unsigned char*>(argument) = static_cast<unsigned char>(pluggedButtons);
        return 0;
    }
    return real(fd, request, argument);
}

namespace {

// A stick of some number of buttons, plugged in for as long as the test
// lives; the test moves it by writing events to its file.
class StickTest : public testing::Test {
protected:
    void Plug(int buttons) {
        std::ofstream(file.path).flush();
        struct stat made;
        ASSERT_EQ(stat(file.path.c_str(), &made), 0);
        pluggedStick = made.st_ino;
        pluggedButtons = buttons;
        setenv("SDL_JOYSTICK_DEVICE", file.path.c_str(), 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_JOYSTICK), 0);
        ASSERT_EQ(SDL_NumJoysticks(), 1);
    }
    void TearDown() override {
        SDL_Quit();
        unsetenv("SDL_JOYSTICK_DEVICE");
        pluggedStick = 0;
    }
    // Axis 0 and 1 and buttons 0 and 1 as they are now; SDL reads them on
    // the frame's event poll.
    void Hold(int horizontal, int vertical, bool button0, bool button1 = false) {
        std::ofstream out(file.path, std::ios::binary | std::ios::app);
        const js_event events[] = {
            {0, static_cast<__s16>(horizontal), JS_EVENT_AXIS, 0},
            {0, static_cast<__s16>(vertical), JS_EVENT_AXIS, 1},
            {0, button0, JS_EVENT_BUTTON, 0},
            {0, button1, JS_EVENT_BUTTON, 1},
        };
        out.write(reinterpret_cast<const char*>(events), sizeof events);
        out.close();
        SDL_JoystickUpdate();
    }
    // "1" for each flag set, in the order up, down, left, right, fire.
    static std::string Flags(const JoystickState* s) {
        return {char('0' + s->up), char('0' + s->down), char('0' + s->left), char('0' + s->right),
                char('0' + s->fire)};
    }

    const TempFile file{"stick"};
};

}  // namespace

TEST_F(StickTest, PastTheDeadZoneTheStickSteersAndButtonZeroFires) {
    Plug(4);
    Joystick joystick;
    const struct {
        int horizontal, vertical;
        bool button0, button1;
        const char* flags;
    } moves[] = {
        {3201, -3201, true, false, "10011"}, {3200, -3200, false, false, "00000"},
        {-3201, 3201, false, true, "01100"}, {-32768, 32767, true, true, "01101"},
        {0, 0, false, true, "00000"},
    };
    for (const auto& move : moves) {
        Hold(move.horizontal, move.vertical, move.button0, move.button1);
        EXPECT_EQ(Flags(joystick.Read()), move.flags) << move.horizontal << ", " << move.vertical;
    }
}

// A stick with fewer than 4 buttons is never read: the ship flies and fires
// on the keyboard alone.
TEST_F(StickTest, AStickWithThreeButtonsIsNeverRead) {
    Plug(3);
    Joystick joystick;
    Hold(32767, 32767, true);
    EXPECT_EQ(Flags(joystick.Read()), "00000");
}
