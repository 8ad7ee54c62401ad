// Without libFuzzer, the fuzz target replays the inputs kept in the folders or files it is given,
// so that the suite builds it and runs it over its corpus.

#include <QApplication>
#include <QDirIterator>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    // The application lives as long as the replay, and ends with it as a program's does.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList inputs;
    for (const QString &given : application.arguments().mid(1)) {
        if (QFileInfo(given).isFile())
            inputs << given;
        for (QDirIterator it(given, QDir::Files); it.hasNext();)
            inputs << it.next();
    }
    for (const QString &input : inputs) {
        QFile file(input);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                               std::size_t(bytes.size()));
    }
    std::printf("%d inputs replayed, none disagreed\n", int(inputs.size()));
    return inputs.isEmpty() ? 1 : 0;
}
