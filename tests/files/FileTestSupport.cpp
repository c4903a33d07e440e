#include "FileTestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

namespace kelpie {

std::vector<std::string> SectionLines(const std::string& fileText, const std::string& section)
{
    std::vector<std::string> lines;
    const std::string header = "[" + section + "]\r\n";
    std::size_t position = fileText.find(header);
    if (position == std::string::npos) {
        return lines;
    }
    position += header.size();
    while (position < fileText.size() && fileText[position] != '[') {
        const std::size_t end = fileText.find("\r\n", position);
        lines.push_back(fileText.substr(position, end - position));
        position = end + 2;
    }
    return lines;
}

bool RunWithoutWriteAccess(const std::filesystem::path& folder, const std::function<bool()>& body)
{
    if (geteuid() != 0) {
        using std::filesystem::perms;
        std::filesystem::permissions(folder, perms::owner_read | perms::owner_exec);
        const bool result = body();
        std::filesystem::permissions(folder, perms::owner_all);
        return result;
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kelpie
