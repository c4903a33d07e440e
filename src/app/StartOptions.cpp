#include "app/StartOptions.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace kelpie {

std::optional<StartOptions> ParseStartOptions(const QStringList& arguments, QString& error)
{
    StartOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--port"_s) {
            if (i + 1 == arguments.size() || arguments[i + 1].isEmpty()) {
                error = QCoreApplication::translate("kelpie::StartOptions",
                                                    "--port needs a device, for example --port /dev/ttyUSB0");
                return std::nullopt;
            }
            options.PortDevice = arguments[++i];
            continue;
        }
        if (arguments[i] == u"--debug"_s) {
            options.DebugMode = true;
            continue;
        }
        for (const QString& piece : arguments[i].split(u' ')) {
            if (piece.compare(u"/D"_s, Qt::CaseInsensitive) == 0) {
                options.DebugMode = true;
            }
        }
    }
    return options;
}

}  // namespace kelpie
