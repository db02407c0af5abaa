// SPDX-License-Identifier: MIT
// Times a command as a whole process: process_bench RUNS PROGRAM [ARGUMENTS...]
// starts it RUNS times (output to /dev/null) and prints "process MEDIAN ms".
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char **environ;

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: process_bench RUNS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);

    std::vector<double> milliseconds;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, argv[2], &quiet, nullptr, argv + 2, environ) != 0) {
            std::perror("posix_spawn");
            return 1;
        }
        int status = 0;
        waitpid(child, &status, 0);
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "process_bench: the command failed\n");
            return 1;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("process %.2f ms\n", milliseconds[milliseconds.size() / 2]);
    posix_spawn_file_actions_destroy(&quiet);
    return 0;
}
