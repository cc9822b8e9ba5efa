#include "project/project_session.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"

namespace pelzaro {

namespace {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0') return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) return user->pw_dir;
    return "/";
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string projectFolder() {
    std::string home = homeFolder();
    std::string projects = home + (home.back() == '/' ? "" : "/") + "Pelzaro";
    return isFolder(projects) ? projects : home;
}

FileDialogRequest projectDialogRequest(const std::string& title) {
    FileDialogRequest request;
    request.title = title;
    request.initialDir = projectFolder();
    request.filter = "Pelzaro(.qkz)|*.qkz";
    request.fileName = "";
    return request;
}

std::string mainWindowTitle(const std::string& path) {
    if (path.empty()) return "Pelzaro";
    size_t slash = path.find_last_of('/');
    return "Pelzaro - " + (slash == std::string::npos ? path : path.substr(slash + 1));
}

void showProjectPath(App& app, const std::string& path) {
    app.get<Form3>().setCaption(path);
    app.get<MDIForm1>().setCaption(mainWindowTitle(path));
}

}  // namespace pelzaro
