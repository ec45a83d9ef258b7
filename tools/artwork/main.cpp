// Placeholder until the generator lands: writes an empty resource list.
#include <QDir>
#include <QFile>
int main(int argc, char** argv) {
    if (argc < 3)
        return 1;
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    QFile qrc(QString::fromLocal8Bit(argv[2]) + "/faces.qrc");
    if (!qrc.open(QIODevice::WriteOnly))
        return 1;
    qrc.write("<RCC><qresource prefix=\"/\"></qresource></RCC>\n");
    return 0;
}
