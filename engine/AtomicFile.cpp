#include "engine/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace brimsel {

std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                const WriteFault& fault) {
    namespace fs = std::filesystem;
    const auto fails = [&fault](WriteStep step) { return fault && fault(step); };
    const auto problem = [&target](std::string_view what, int error) {
        std::string text = std::string(what) + " " + target.string();
        if (error != 0) text += ": " + std::string(std::strerror(error));
        return text;
    };

    // A hidden name in the target's folder, so that the rename stays on one
    // file system; "x" never opens a file that is already there.
    std::random_device random;
    fs::path partial;
    std::FILE* file = nullptr;
    int openError = 0;
    for (int attempt = 0; attempt < 8 && file == nullptr; ++attempt) {
        char tag[16];
        std::snprintf(tag, sizeof tag, "%08x", random());
        partial = target.parent_path() / ("." + target.filename().string() + "." + tag + ".tmp");
        errno = 0;
        file = fails(WriteStep::Open) ? nullptr : std::fopen(partial.c_str(), "wbx");
        openError = errno;
        if (openError != EEXIST) break;
    }
    if (file == nullptr) return problem("cannot create a file beside", openError);

    std::error_code ignored;
    const auto abandon = [&](std::string_view what, int error) {
        fs::remove(partial, ignored);
        return problem(what, error);
    };
    constexpr std::size_t kChunk = 64 * 1024;
    for (std::size_t at = 0; at < bytes.size(); at += kChunk) {
        const std::size_t size = std::min(kChunk, bytes.size() - at);
        errno = 0;
        if (fails(WriteStep::Write) || std::fwrite(bytes.data() + at, 1, size, file) != size) {
            const int error = errno;
            std::fclose(file);
            return abandon("cannot write", error);
        }
    }
    errno = 0;
    if (fails(WriteStep::Flush) || std::fflush(file) != 0) {
        const int error = errno;
        std::fclose(file);
        return abandon("cannot write", error);
    }
    errno = 0;
    const bool closeFailed = std::fclose(file) != 0;
    if (fails(WriteStep::Close) || closeFailed) return abandon("cannot write", errno);

    const fs::file_status old = fs::status(target, ignored);
    if (fs::is_regular_file(old)) fs::permissions(partial, old.permissions(), ignored);
    std::error_code renameError;
    if (fails(WriteStep::Rename)) renameError = std::make_error_code(std::errc::io_error);
    if (!renameError) fs::rename(partial, target, renameError);
    if (renameError) return abandon("cannot replace", renameError.value());
    return {};
}

}  // namespace brimsel
