// kelpie — the desktop program: the main window over the radio's programming.
#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

#include "app/frmMain.h"
#include "settings/QtSettingsStore.h"

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Kelpie"_s);
    QApplication::setApplicationVersion(QString::fromUtf8(KELPIE_VERSION));

    QString error;
    const auto options = kelpie::ParseStartOptions(QApplication::arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "kelpie: %s\n", qPrintable(error));
        return 2;
    }
    kelpie::QtSettingsStore settings;
    const kelpie::AppEnvironment environment{
        settings,
        QApplication::applicationDirPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
        *options,
    };
    kelpie::frmMain window(environment);
    window.show();
    return QApplication::exec();
}
