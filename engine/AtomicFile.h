// Writing a file whole or not at all.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace brimsel {

// The steps of writing a file, each checked.
enum class WriteStep { Open, Write, Flush, Close, Rename };
// Consulted before each step; true makes that step fail as a full disk or a
// lost device would. Empty in the programs; tests inject failures through it.
using WriteFault = std::function<bool(WriteStep)>;

// Writes `bytes` into a new file beside `target` and renames it over the target
// only after every write, the flush and the close succeeded. On any failure the
// new file is removed and the target is left as it was (or absent). Returns
// what failed, empty on success. An existing target's permissions carry over.
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                const WriteFault& fault = {});

}  // namespace brimsel
