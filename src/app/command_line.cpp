#include "app/command_line.h"

#include <QFile>
#include <filesystem>

namespace {

bool Bekannt(const QString& argument, const QStringList& optionen) {
    for (const QString& name : optionen)
        if (argument == (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name)
            return true;
    return false;
}

} // namespace

Aufruf AufrufTeilen(const std::vector<std::string>& argumente, const QStringList& optionen) {
    Aufruf aufruf;
    bool nurDateien = false;
    for (size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        const QString text = QFile::decodeName(argument.c_str());
        if (i == 0) {
            aufruf.Optionen << text;
            continue;
        }
        if (!nurDateien && argument == "--") {
            nurDateien = true;
            continue;
        }
        std::error_code fehler;
        const bool option = !nurDateien && argument.size() > 1 && argument[0] == '-' &&
                            (Bekannt(text, optionen) || !std::filesystem::exists(argument, fehler));
        if (option)
            aufruf.Optionen << text;
        else
            aufruf.Dateien.push_back(argument);
    }
    return aufruf;
}
