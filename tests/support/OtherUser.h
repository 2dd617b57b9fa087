#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

// File permissions mean nothing to root, and CI runs as root: the cases about
// them run in a child process as an ordinary user. That is the scratch user
// below (made up, no account needed) when the tests run as root, else the
// user running them.
namespace otheruser {

constexpr uid_t kUid = 4711;
constexpr gid_t kGid = 4711;
// A second group the scratch user belongs to.
constexpr gid_t kSharedGid = 4712;

bool RunningAsRoot();

// Runs check in a forked child as the ordinary user and answers what it
// answered: "" for success, else what went wrong.
std::string Run(const std::function<std::string()>& check);

// Makes path the ordinary user's (when running as root).
void Give(const std::string& path);

} // namespace otheruser
