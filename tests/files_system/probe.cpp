#include "platform/Errors.h"
#include "util/Tmyfile.h"
#include "util/Tmysystem.h"

#include <QString>
#include <QTextStream>

// files_probe ini-write FILE SECTION KEY VALUE   exit 0 when written, 2 on the write error
// files_probe size FILE                          prints the file's size
// files_probe user                               prints the user's name
int main(int argc, char** argv)
{
    QTextStream out(stdout);
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    if (command == QLatin1String("ini-write") && argc == 6) {
        try {
            Tmyfile::IniWriteString(arg(2), arg(3), arg(4), arg(5));
            return 0;
        } catch (const platform::EIniFileException& e) {
            out << e.message() << Qt::endl;
            return 2;
        }
    }
    if (command == QLatin1String("size") && argc == 3) {
        out << Tmyfile::RozmiarPliku(arg(2)) << Qt::endl;
        return 0;
    }
    if (command == QLatin1String("user")) {
        out << Tmysystem::GetNetUser() << Qt::endl;
        return 0;
    }
    return 64;
}
