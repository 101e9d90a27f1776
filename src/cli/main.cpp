// vexlo-cli: the engine on the command line.
#include <iostream>
#include <string_view>

namespace {

int Usage() {
  std::cerr << "usage: vexlo-cli solve|check [--create]|rate|hints|import|copy|print|bank ... [FILE]\n";
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) return Usage();
  return Usage();
}
