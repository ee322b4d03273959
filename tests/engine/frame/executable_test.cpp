// The real puzzle-desk program: on the offscreen driver it starts, writes "game.xml" into the
// per-user folder and ends cleanly when asked to terminate; with no display it says so and ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/engine/frame/scratch_home.h"

extern char** environ;

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

class ExecutableTest : public ScratchHome {
  protected:
    void TearDown() override {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    // Starts the program in its game folder with the scratch HOME on the offscreen driver, then
    // applies `changes` to its environment: "NAME=value" sets a variable, "NAME" removes it.
    // Standard output and error go to stdout.txt and stderr.txt in the scratch HOME.
    void Start(const std::string& game_dir, const std::vector<std::string>& changes = {}) {
        std::map<std::string, std::string> vars;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            const size_t equals = entry.find('=');
            vars[entry.substr(0, equals)] = entry.substr(equals + 1);
        }
        vars["HOME"] = home_.Root();
        vars["XDG_DATA_HOME"] = data_home_;
        vars["SDL_VIDEODRIVER"] = "offscreen";
        vars["SDL_AUDIODRIVER"] = "dummy";
        for (const std::string& change : changes) {
            const size_t equals = change.find('=');
            if (equals == std::string::npos) {
                vars.erase(change);
            } else {
                vars[change.substr(0, equals)] = change.substr(equals + 1);
            }
        }
        std::vector<std::string> env;
        for (const auto& [name, value] : vars) {
            env.push_back(name + "=" + value);
        }
        std::vector<char*> envp;
        for (std::string& entry : env) {
            envp.push_back(entry.data());
        }
        envp.push_back(nullptr);
        const std::string program = game_dir + "/puzzle-desk";
        const std::string output = home_.Path("stdout.txt");
        const std::string errors = home_.Path("stderr.txt");
        pid_ = ::fork();
        ASSERT_GE(pid_, 0);
        if (pid_ == 0) {
            if (::chdir(game_dir.c_str()) != 0 || !std::freopen(output.c_str(), "w", stdout) ||
                !std::freopen(errors.c_str(), "w", stderr)) {
                ::_exit(126);
            }
            char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
            ::execve(program.c_str(), argv, envp.data());
            ::_exit(127);
        }
    }

    // Waits up to timeout for the program to end; its exit status, or -1 if still running.
    int WaitForExit(milliseconds timeout) {
        const auto end = steady_clock::now() + timeout;
        while (steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(milliseconds(20));
        }
        return -1;
    }

    bool WaitForFile(const std::string& path, milliseconds timeout) {
        const auto end = steady_clock::now() + timeout;
        while (steady_clock::now() < end) {
            if (::access(path.c_str(), F_OK) == 0) {
                return true;
            }
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return ::access(path.c_str(), F_OK) == 0;
            }
            std::this_thread::sleep_for(milliseconds(20));
        }
        return false;
    }

    // The folder of the built game, or empty (with a failure) when it is not there.
    static std::string GameDir() {
        const char* game_dir = std::getenv("PD_GAME_DIR");
        if (game_dir == nullptr) {
            ADD_FAILURE() << "PD_GAME_DIR names the folder of the built game";
            return "";
        }
        if (::access((std::string(game_dir) + "/puzzle-desk").c_str(), X_OK) != 0) {
            ADD_FAILURE() << "build the puzzle-desk target first";
            return "";
        }
        return game_dir;
    }

    pid_t pid_ = -1;
};

TEST_F(ExecutableTest, StartsWritesGameXmlAndEndsWhenTerminated) {
    const std::string game_dir = GameDir();
    ASSERT_FALSE(game_dir.empty());
    Start(game_dir);
    const std::string game_xml = ".local/share/puzzle-desk/game.xml";
    ASSERT_TRUE(WaitForFile(home_.Path(game_xml), milliseconds(60000)));
    ASSERT_GT(pid_, 0) << "the program ended on its own";
    // Let it reach the main loop; the outcome does not depend on how far it got.
    std::this_thread::sleep_for(milliseconds(300));

    // The terminate signal arrives as a quit request: the loop ends and the program returns 0.
    ::kill(pid_, SIGTERM);
    EXPECT_EQ(WaitForExit(milliseconds(30000)), 0);

    const std::string xml = home_.Read(game_xml);
    EXPECT_EQ(xml.rfind("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<Config>\n<Main resX=\"", 0), 0u)
        << xml;
    EXPECT_NE(xml.find("FullScreen=\"true\""), std::string::npos) << xml;
    EXPECT_EQ(home_.Read("stdout.txt"), "Execution dir is " + game_dir + "\n");
}

TEST_F(ExecutableTest, WithNoDisplayItSaysSoAndEnds) {
    const std::string game_dir = GameDir();
    ASSERT_FALSE(game_dir.empty());
    const std::vector<std::vector<std::string>> environments = {
        {"SDL_VIDEODRIVER=nonesuch"},                       // a driver that cannot start
        {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY"},  // the default driver, no display
    };
    for (const std::vector<std::string>& changes : environments) {
        Start(game_dir, changes);
        const int status = WaitForExit(milliseconds(30000));
        EXPECT_NE(status, -1) << changes[0] << ": still running";
        EXPECT_NE(status, 0) << changes[0];
        EXPECT_NE(home_.Read("stderr.txt").find("Puzzle Desk cannot start: "), std::string::npos)
            << changes[0] << ": " << home_.Read("stderr.txt");
        EXPECT_EQ(::access(data_home_.c_str(), F_OK), -1) << "nothing written";
    }
}

}  // namespace
