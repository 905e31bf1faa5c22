#include "engine/baseline_folder.h"

#include <system_error>

namespace morvik {

namespace fs = std::filesystem;

namespace {
bool Inside(const fs::path& path, const fs::path& folder) {
  const fs::path relative = path.lexically_relative(folder);
  return !relative.empty() && *relative.begin() != "..";
}
}  // namespace

fs::path BaselineFolderFor(const fs::path& program) {
  std::error_code error;
  const fs::path tree = fs::weakly_canonical(MORVIK_BUILD_TREE, error);
  if (!error && Inside(program, tree)) return fs::path(MORVIK_TREE_DATA_DIR) / "pubeval";
  return (program.parent_path() / MORVIK_BIN_TO_DATA / "morvik" / "pubeval").lexically_normal();
}

fs::path EngineBaselineFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return BaselineFolderFor(error ? fs::path() : program);
}

}  // namespace morvik
