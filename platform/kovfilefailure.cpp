// German reasons of failed writes for the messages of a save.
#include "platform/kovfilefailure.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/kovgui.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"

namespace {

std::string folder_of(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string quoted(const std::string& s)
{
    return "\xE2\x80\x9E" + s + "\xE2\x80\x9C"; // „...“
}

} // namespace

std::string Kov_Write_Failure_Reason(const char* name, int replace_rc, int err)
{
    if (!name || !*name) return "es ist kein Dateiname angegeben";
    const std::string path = Oli_Absolute_Path(Kov_Path(name));
    const std::string dir = folder_of(path);
    struct stat st;
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "der Ordner " + quoted(dir) + " existiert nicht";
    if (err == ENOSPC || err == EDQUOT) return "der Datentr\xC3\xA4ger ist voll";
    if (err == EROFS) return "der Datentr\xC3\xA4ger ist schreibgesch\xC3\xBCtzt";
    if (replace_rc == KOV_REPLACE_NO_NAME && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return "unter diesem Namen steht ein Ordner";
    const bool file_protected =
        ::stat(path.c_str(), &st) == 0 && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0);
    if (replace_rc == KOV_REPLACE_READ_ONLY || (file_protected && replace_rc != KOV_REPLACE_NO_TEMP))
        return "die Datei ist schreibgesch\xC3\xBCtzt";
    if (err == EACCES || err == EPERM || ::access(dir.c_str(), W_OK) != 0)
        return "der Ordner " + quoted(dir) + " ist schreibgesch\xC3\xBCtzt (keine Schreibrechte)";
    if (err != 0) return std::string("Fehler des Systems: ") + std::strerror(err);
    return "der Grund ist nicht bekannt";
}

std::string Kov_Write_Failure_Text(const char* name, int replace_rc, int err)
{
    const std::string path = name && *name ? Oli_Absolute_Path(Kov_Path(name)) : std::string();
    return "Die Datei " + quoted(path) +
           " konnte nicht geschrieben werden: " + Kov_Write_Failure_Reason(name, replace_rc, err) + ".";
}
