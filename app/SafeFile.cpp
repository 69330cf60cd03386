#include "app/SafeFile.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

namespace kovrel {

namespace {

Fault CouldNotRead(const std::string& path) {
    return Fault{"The file \"" + path + "\" could not be read."};
}

Fault CouldNotWrite(const std::string& path) {
    return Fault{"The file \"" + path + "\" could not be written."};
}

// A name beside the target that no file holds yet, so a save never touches another file.
std::optional<std::filesystem::path> FreshTemporaryPath(const std::filesystem::path& target) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const std::filesystem::path folder = target.parent_path();
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "." + std::string.
    std::string base = ".";
    base += target.filename().string();
    base += '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17] = {};
        const auto value = random();
        std::to_chars(suffix, suffix + 16, value, 16);
        std::filesystem::path candidate = folder / (base + suffix + ".tmp");
        std::error_code ec;
        if (std::filesystem::symlink_status(candidate, ec).type() ==
            std::filesystem::file_type::not_found) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace

Result<std::string> ReadFileBytes(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Only a plain file is a reading: a folder or a device would read as no lines at all, or
    // never end.
    if (!fs::is_regular_file(path, ec) || ec) {
        return CouldNotRead(path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return CouldNotRead(path);
    }
    std::string bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || !in.eof()) {
        return CouldNotRead(path);
    }
    return bytes;
}

Result<> WriteFileSafely(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    // Saving through a link replaces the file it points to, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec) {
            return CouldNotWrite(path);
        }
        target = resolved;
    }
    const auto status = fs::status(target, ec);
    const bool targetExists = fs::exists(status);
    if (targetExists) {
        // Replacing by rename would bypass a file's own write protection: honour it the way
        // writing in place would.
        if (!fs::is_regular_file(status) || !std::ofstream(target, std::ios::app)) {
            return CouldNotWrite(path);
        }
    }
    const auto temporary = FreshTemporaryPath(target);
    if (!temporary) {
        return CouldNotWrite(path);
    }
    const auto giveUp = [&] {
        std::error_code ignored;
        fs::remove(*temporary, ignored);
        return CouldNotWrite(path);
    };
    {
        std::ofstream out(*temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return giveUp();
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            return giveUp();
        }
        out.close();
        if (out.fail()) {
            return giveUp();
        }
    }
    if (targetExists) {
        fs::permissions(*temporary, status.permissions(), ec);
    }
    fs::rename(*temporary, target, ec);
    if (ec) {
        return giveUp();
    }
    return Success();
}

} // namespace kovrel
