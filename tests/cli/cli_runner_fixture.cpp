#include "cli/cli_runner_fixture.h"

#include <sys/wait.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vexlo::testing {
namespace {

std::string Quote(const std::string& arg) {
  std::string out = "'";
  for (char ch : arg) out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return out + "'";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string TempFileWith(const std::string& text) {
  static std::atomic<int> counter{0};
  const auto path = std::filesystem::temp_directory_path() /
                    ("vexlo_cli_test_" + std::to_string(::getpid()) + "_" +
                     std::to_string(counter++) + ".txt");
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& input) {
  const std::string in = TempFileWith(input);
  const std::string out = TempFileWith("");
  const std::string err = TempFileWith("");
  std::string command = Quote(VEXLO_CLI_PATH);
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " <" + Quote(in) + " >" + Quote(out) + " 2>" + Quote(err);
  const int raw = std::system(command.c_str());
  CliRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  for (const std::string& path : {in, out, err}) std::filesystem::remove(path);
  return run;
}

}  // namespace vexlo::testing
