#include "app/platform/system_viewer.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brelosta {

// xdg-open, in a grandchild that the system adopts: the program neither
// waits for the viewer nor leaves a finished child behind. The child's exit
// code says whether xdg-open could be started.
bool openWithSystemViewer(const std::filesystem::path& file) {
  const std::string path = file.string();
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    int pipe[2];
    if (::pipe(pipe) != 0) _exit(1);
    const pid_t viewer = fork();
    if (viewer < 0) _exit(1);
    if (viewer == 0) {
      close(pipe[0]);
      // The pipe closes on a successful exec; a byte means it failed.
      fcntl(pipe[1], F_SETFD, FD_CLOEXEC);
      execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
      const char failed = 1;
      (void)!write(pipe[1], &failed, 1);
      _exit(127);
    }
    close(pipe[1]);
    char failed = 0;
    const bool started = read(pipe[0], &failed, 1) == 0;
    _exit(started ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace brelosta
