#include "app/StartOptions.h"

#include <QCoreApplication>

namespace kelpie {

std::optional<StartOptions> ParseStartOptions(const QStringList& arguments, QString& error)
{
    StartOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--port")) {
            if (i + 1 == arguments.size() || arguments[i + 1].isEmpty()) {
                error = QCoreApplication::translate("kelpie::StartOptions",
                                                    "--port needs a device, for example --port /dev/ttyUSB0");
                return std::nullopt;
            }
            options.PortDevice = arguments[++i];
            continue;
        }
        for (const QString& piece : arguments[i].split(QLatin1Char(' '))) {
            if (piece.compare(QLatin1String("/D"), Qt::CaseInsensitive) == 0) {
                options.DebugMode = true;
            }
        }
    }
    return options;
}

}  // namespace kelpie
