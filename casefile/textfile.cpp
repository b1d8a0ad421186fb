#include "textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zorvek {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

bool IsValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

// Closes a file descriptor when it goes out of scope, unless Close() did.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    bool Close() const {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    mutable int fd_;
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string DecodeFileBytes(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            AppendUtf8(out, kCp1252High[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string WithCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

bool ReadWholeTextFile(const std::string& path, std::string& text, std::string& error, int* code) {
    text.clear();
    auto fail = [&](int number) {
        error = std::strerror(number);
        if (code) *code = number;
        return false;
    };
    // Non-blocking, so that a pipe or a device given as a file never waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return fail(errno);
    const FileDescriptor file{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) return fail(errno);
    if (S_ISDIR(info.st_mode)) return fail(EISDIR);
    if (!S_ISREG(info.st_mode)) {
        fail(EINVAL);
        error = "Not a regular file";
        return false;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxTextFileBytes) return fail(EFBIG);
    std::string bytes(static_cast<size_t>(info.st_size), '\0');
    size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // The file may have grown since it was measured: read on, up to the limit.
            if (bytes.size() >= kMaxTextFileBytes + 1) break;
            bytes.resize(std::min<size_t>(bytes.size() * 2 + 4096, kMaxTextFileBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(errno);
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    if (got > kMaxTextFileBytes) return fail(EFBIG);
    bytes.resize(got);
    text = DecodeFileBytes(bytes);
    return true;
}

namespace {

// The file a save replaces: a symbolic link is followed, so the link stays and its target gets the text.
std::filesystem::path SaveTarget(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path target = fs::weakly_canonical(path, ec);
        if (!ec) return target;
    }
    return fs::path(path);
}

// Permissions of the new file: those of the file it replaces, else what a newly created file gets.
mode_t NewFileMode(const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool WriteWholeTextFile(const std::string& path, std::string_view text, std::string& error, int* code) {
    auto fail = [&](int number) {
        error = std::strerror(number);
        if (code) *code = number;
        return false;
    };
    namespace fs = std::filesystem;
    const fs::path target = SaveTarget(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // A name of its own in the target folder, so that two saves never share a temporary file and the
    // rename stays on one file system.
    std::string tempName(1, '.');
    tempName.append(target.filename().string()).append(".XXXXXX");
    std::string temp = (folder / tempName).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return fail(errno);
    int number = 0;
    {
        const FileDescriptor file{fd};
        if (::fchmod(fd, NewFileMode(target)) != 0 && errno != EPERM) number = errno;
        if (!number && !WriteAll(fd, text)) number = errno ? errno : EIO;
        // On the disk before it takes the old file's name: a crash leaves the old or the new text.
        if (!number && ::fsync(fd) != 0) number = errno;
        if (!number && !file.Close()) number = errno;
    }
    if (!number && ::rename(temp.c_str(), target.c_str()) != 0) number = errno;
    if (number) {
        ::unlink(temp.c_str());
        return fail(number);
    }
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace zorvek
