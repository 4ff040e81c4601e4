#include "harness/run_as_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

UserRun RunAsUser(const std::function<int(std::string& report)>& work, uid_t user) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    // The report's first byte says whether the work ran as the user.
    std::string report = "0";
    int status = 99;
    if (setgroups(0, nullptr) == 0 && setgid(user) == 0 && setuid(user) == 0) {
      std::string said;
      status = work(said);
      report = "1" + said;
    }
    const ssize_t ignored = write(pipeEnds[1], report.data(), report.size());
    (void)ignored;
    _exit(status);
  }
  close(pipeEnds[1]);
  std::string report;
  char buffer[512];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<size_t>(n));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  UserRun run;
  run.becameUser = report.starts_with('1');
  run.exited = WIFEXITED(status);
  run.status = run.exited ? WEXITSTATUS(status) : -1;
  run.report = run.becameUser ? report.substr(1) : "";
  return run;
}

}  // namespace testing_support
