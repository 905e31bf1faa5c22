// Where duel finds the baseline's two weight files without --pubeval: a
// program run from the build tree uses the source tree's data/pubeval, any
// other (an installed one) share/morvik/pubeval beside its own bin folder.
#pragma once

#include <filesystem>

namespace morvik {

std::filesystem::path BaselineFolderFor(const std::filesystem::path& program);

// The folder for this running program.
std::filesystem::path EngineBaselineFolder();

}  // namespace morvik
