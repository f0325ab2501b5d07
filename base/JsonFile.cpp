#include "base/JsonFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <json/reader.h>
#include <json/writer.h>
#include <memory>
#include <sys/stat.h>
#include <utility>
#include <unistd.h>

namespace {

// No document of this program comes near this; a larger file is not one of ours
// and is not worth holding in memory.
constexpr off_t kMaxDocumentBytes = 64 * 1024 * 1024;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool ReadWhole(int fd, std::string& text)
{
    struct stat info{};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxDocumentBytes)
        return false;
    text.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = read(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    text.resize(done);
    return true;
}

bool WriteWhole(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A name beside the target that no other writer in this or another process
// picks at the same time.
std::string TemporaryNameFor(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + ".tmp." + std::to_string(getpid()) + "." + std::to_string(counter++);
}

} // namespace

Json::Value ReadJsonFile(const std::string& path)
{
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    std::string text;
    if (file.get() < 0 || !ReadWhole(file.get(), text))
        return Json::Value();

    const char* begin = text.data();
    const char* end = begin + text.size();
    if (text.starts_with("\xEF\xBB\xBF"))
        begin += 3;
    if (begin == end)
        return Json::Value();

    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["collectComments"] = false;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value document;
    try {
        // The reader throws on documents nested deeper than its stack limit.
        if (!reader->parse(begin, end, &document, nullptr))
            return Json::Value();
    } catch (const std::exception&) {
        return Json::Value();
    }
    return document;
}

std::string StyledJsonText(const Json::Value& value)
{
    // The styled writer is the form every document of the program has always
    // been stored in; the builder-based writers lay arrays out differently.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    Json::StyledWriter writer;
    std::string text = writer.write(value);
#pragma GCC diagnostic pop
    if (text.empty() || text.back() != '\n')
        text += '\n';
    return text;
}

bool WriteJsonFile(const Json::Value& value, const std::string& path)
{
    const std::string text = StyledJsonText(value);
    const std::string temporary = TemporaryNameFor(path);
    FileDescriptor file(
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.get() < 0)
        return false;
    bool written = WriteWhole(file.get(), text) && fsync(file.get()) == 0;
    written = close(file.release()) == 0 && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
