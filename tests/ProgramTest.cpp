#include "app/Program.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/sim/VirtualPlatform.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(Program, RunsFromTitleToPlayAndBackAndQuitsWithZero) {
    VirtualPlatform clock(0);
    clock.Install();
    int titleFrames = 0;
    int escapes = 0;
    Uint32 lastEscape = 1;
    clock.OnEmptyQueue([&] {
        // Second frame of the first title screen: start. From then on one
        // ESC a frame: it leaves the play-through from its second frame on,
        // then the title screen quits the program.
        if (++titleFrames == 2) {
            clock.PushKeyDown(SDLK_RETURN);
        } else if (titleFrames > 2 && clock.Now() != lastEscape) {
            lastEscape = clock.Now();
            clock.PushKeyDown(SDLK_ESCAPE);
            ++escapes;
        }
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(escapes, 3);
}

TEST(Program, WithoutAnAudioDeviceItWarnsAndRunsSilently) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    VirtualPlatform clock(0);
    clock.Install();
    clock.PushKeyDown(SDLK_ESCAPE);
    testing::internal::CaptureStdout();
    const int code = RunProgram();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out.rfind("Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: ", 0), 0u) << out;
}

TEST(Program, AMissingTitlePictureStopsTheRealGameNamingThePath) {
    char folder[] = "/tmp/corvanel-empty-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = folder;
    const std::string command = "cd " + dir +
                                " && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " CORVANEL_BINARY
                                " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_NE(ReadFile(dir + "/err.txt").find("\"./Images/Panorama/Titre.png\""),
              std::string::npos);
    EXPECT_EQ(ReadFile(dir + "/out.txt"), "");  // standard output stays clean
    std::remove((dir + "/out.txt").c_str());
    std::remove((dir + "/err.txt").c_str());
    rmdir(folder);
}
