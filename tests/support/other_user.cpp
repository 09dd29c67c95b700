#include "support/other_user.h"

#include <grp.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const passwd* Niemand() {
    return getpwnam("nobody");
}

} // namespace

void DemBenutzerGeben(const std::string& pfad) {
    const passwd* niemand = Niemand();
    if (geteuid() == 0 && niemand && chown(pfad.c_str(), niemand->pw_uid, niemand->pw_gid) != 0)
        throw std::runtime_error("cannot give " + pfad + " to nobody");
}

std::optional<std::string> AlsGewoehnlicherBenutzer(const std::function<std::string()>& pruefen) {
    if (geteuid() != 0) return pruefen();
    const passwd* niemand = Niemand();
    int rohr[2];
    if (!niemand || pipe(rohr) != 0) return std::nullopt;
    const pid_t kind = fork();
    if (kind < 0) return std::nullopt;
    if (kind == 0) {
        close(rohr[0]);
        if (setgroups(0, nullptr) != 0 || setgid(niemand->pw_gid) != 0 ||
            setuid(niemand->pw_uid) != 0)
            _exit(2);
        const std::string ergebnis = pruefen();
        for (size_t geschrieben = 0; geschrieben < ergebnis.size();) {
            const ssize_t n =
                write(rohr[1], ergebnis.data() + geschrieben, ergebnis.size() - geschrieben);
            if (n <= 0) _exit(3);
            geschrieben += static_cast<size_t>(n);
        }
        _exit(0);
    }
    close(rohr[1]);
    std::string ergebnis;
    char puffer[4096];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;)
        ergebnis.append(puffer, static_cast<size_t>(n));
    close(rohr[0]);
    int status = 0;
    waitpid(kind, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return std::nullopt;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return ergebnis;
    return "the check as nobody died (status " + std::to_string(status) + ")";
}
