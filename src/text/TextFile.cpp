#include "text/TextFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

bool ReadWholeFile(const std::string& path, std::string& content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = buffer.str();
    return !in.bad();
}

namespace {

bool Fail(const std::string& temporary, int descriptor, std::string* reason)
{
    int error = errno;
    if (descriptor >= 0)
        ::close(descriptor);
    if (!temporary.empty())
        ::unlink(temporary.c_str());
    if (reason)
        *reason = std::strerror(error);
    return false;
}

bool WriteAll(int descriptor, const std::string& content)
{
    std::size_t written = 0;
    while (written < content.size()) {
        ssize_t count = ::write(descriptor, content.data() + written, content.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace

bool WriteWholeFile(const std::string& path, const std::string& content, std::string* reason)
{
    std::string temporary = path + ".tmp";
    int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return Fail({}, -1, reason);
    // A full disk may only show when the data reaches it.
    if (!WriteAll(descriptor, content) || ::fsync(descriptor) != 0)
        return Fail(temporary, descriptor, reason);
    if (::close(descriptor) != 0)
        return Fail(temporary, -1, reason);
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        return Fail(temporary, -1, reason);
    return true;
}

std::string AbsolutePath(const std::string& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string UpperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}
