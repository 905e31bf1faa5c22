// Feeds every file named on the command line, or found in a directory named
// there, to a fuzz target's entry function once: the seed corpus and every
// crash input kept in the repository run under CTest with the normal build.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
std::vector<std::filesystem::path> Inputs(const std::filesystem::path& place) {
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_directory(place)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(place)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
  } else if (std::filesystem::is_regular_file(place)) {
    files.push_back(place);
  }
  return files;
}
}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    // "--optional=DIR": a place that may not exist yet (no crash kept so far).
    const std::string arg = argv[i];
    const bool optional = arg.rfind("--optional=", 0) == 0;
    const std::string place = optional ? arg.substr(11) : arg;
    const std::vector<std::filesystem::path> files = Inputs(place);
    if (files.empty() && !optional) {
      std::fprintf(stderr, "no inputs in %s\n", place.c_str());
      return 1;
    }
    for (const auto& file : files) {
      std::ifstream in(file, std::ios::binary);
      const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
      std::printf("%s (%zu bytes)\n", file.c_str(), bytes.size());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("%d inputs replayed\n", replayed);
  return replayed > 0 ? 0 : 1;
}
