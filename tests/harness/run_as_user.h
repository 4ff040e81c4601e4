#pragma once
// POSIX only. Work done as another user, for whom the file permissions
// bind as they bind an office user: a forked child drops to that user and
// group (which needs root), does the work, and hands back its exit status
// and what it wrote into its report.
#include <sys/types.h>

#include <functional>
#include <string>

namespace testing_support {

inline constexpr uid_t kNobody = 65534;  // user and group nobody

struct UserRun {
  bool becameUser = false;  // false: it could not drop to the user, nothing ran
  bool exited = false;      // ended by returning, not by a signal
  int status = 0;           // what `work` returned
  std::string report;       // what `work` put into its report
};

// Runs `work` in a child as user and group `user`.
UserRun RunAsUser(const std::function<int(std::string& report)>& work, uid_t user = kNobody);

}  // namespace testing_support
