#include "FakeStandIn.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace FakeStandIn {

bool onRealDisk(const std::wstring &path)
{
    std::error_code error;
    const fs::path parent = fs::path(path).parent_path();
    return !parent.empty() && fs::is_directory(parent, error);
}

bool exists(const std::wstring &path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(fs::path(path), error));
}

std::optional<int> number(const std::wstring &path, const std::string &kind)
{
    std::error_code error;
    if (!fs::is_regular_file(fs::path(path), error))
        return std::nullopt;
    std::ifstream file(fs::path(path), std::ios::binary);
    std::string start(64, '\0');
    file.read(start.data(), std::streamsize(start.size()));
    start.resize(std::size_t(file.gcount()));
    const std::string prefix = kind + ' ';
    if (start.rfind(prefix, 0) != 0)
        return std::nullopt;
    return std::atoi(start.c_str() + prefix.size());
}

void write(const std::wstring &path, const std::string &kind, std::size_t number)
{
    std::ofstream file(fs::path(path), std::ios::binary | std::ios::trunc);
    file << kind << ' ' << number << '\n';
}

} // namespace FakeStandIn
