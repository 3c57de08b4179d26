#pragma once

#include <string>

namespace vellory {

// $HOME, else the password database's home folder. Throws AppFailure when neither names one.
std::string HomeFolder();

std::string WithoutTrailingSlashes(std::string path);
std::string JoinPath(const std::string &folder, const std::string &name);

// An XDG base folder from its variable, which only counts when it holds an absolute path;
// else the fallback below the home folder (".config", ".local/share").
std::string XdgBaseFolder(const char *variable, const char *fallbackBelowHome);

}  // namespace vellory
