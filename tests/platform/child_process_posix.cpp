#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>

#include "child_process.hpp"

extern char** environ;

namespace brelosta {

const bool kLinuxFileReaders = true;

int runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& out, const std::filesystem::path& err,
               const std::vector<std::string>& environment) {
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::vector<std::string> variables = environment;
  const auto overridden = [&](const char* variable) {
    for (const std::string& own : environment)
      if (std::strncmp(variable, own.c_str(), own.find('=') + 1) == 0) return true;
    return false;
  };
  for (char** variable = environ; *variable != nullptr; ++variable)
    if (!overridden(*variable)) variables.emplace_back(*variable);
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ::posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const int started = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  ::posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return -1;
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace brelosta
